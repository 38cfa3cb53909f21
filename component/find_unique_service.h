// Looks up a service of which the player must hold exactly one.
#pragma once

#include "component/service_ptr.h"

namespace melodara {

// A reference to the one service registered under `class_guid`. Raises
// exception_service_not_found when there is none, exception_service_duplicated when there is
// more than one; creates nothing in either case.
[[nodiscard]] service_ptr_t<service_base> find_unique_service(const GUID& class_guid);

}  // namespace melodara
