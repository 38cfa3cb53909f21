// The panel's factory for lyric sources: registered under the lyric_source_base class GUID.
#pragma once

#include <type_traits>

#include "component/factory_list.h"
#include "source/lyric_source_base.h"

template <typename T>
class source_factory : public service_factory_t<T> {
  static_assert(std::is_base_of_v<lyric_source_base, T>, "a source factory builds lyric sources");
};
