// The component's own search requirements class. The component builds it only on the
// registry's request and gives its data no meaning; whoever holds an object may use it.
#pragma once

#include <cstdint>

#include "component/pfc_string8.h"
#include "source/search_requirements.h"

class custom_search_requirements : public search_requirements {
 public:
  using interface_type = custom_search_requirements;
  // {6E34F110-2814-4936-B88A-9AB391FE148C}, fixed forever.
  static constexpr GUID class_guid = {
      0x6e34f110, 0x2814, 0x4936, {0xb8, 0x8a, 0x9a, 0xb3, 0x91, 0xfe, 0x14, 0x8c}};

  std::uint32_t first_word = 0;
  std::uint32_t second_word = 0;
  pfc::string8 text;

 protected:
  ~custom_search_requirements() = default;
};
