// The player's component-list entry: file name, name, version and about text.
#pragma once

#include "component/pfc_string.h"
#include "component/service.h"

class componentversion : public service_base {
 public:
  // {10BB3EBD-DDF7-4975-A3CC-23084829453E}
  static constexpr GUID class_guid = {
      0x10bb3ebd, 0xddf7, 0x4975, {0xa3, 0xcc, 0x23, 0x08, 0x48, 0x29, 0x45, 0x3e}};

  // Each operation replaces the whole content of `out` with its text.
  virtual void get_file_name(pfc::string_base& out) = 0;
  virtual void get_component_name(pfc::string_base& out) = 0;
  virtual void get_component_version(pfc::string_base& out) = 0;
  virtual void get_about_message(pfc::string_base& out) = 0;

 protected:
  ~componentversion() = default;
};
