// The panel's description of what a lyric source needs for a search.
#pragma once

#include "component/service.h"

class search_requirements : public service_base {
 public:
  // {C939DBE5-E51E-4415-91EE-7F949A177B03}
  static constexpr GUID class_guid = {
      0xc939dbe5, 0xe51e, 0x4415, {0x91, 0xee, 0x7f, 0x94, 0x9a, 0x17, 0x7b, 0x03}};

 protected:
  ~search_requirements() = default;
};
