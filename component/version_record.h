// The component's entry in the player's component list.
#pragma once

#include "component/componentversion.h"

namespace melodara {

class componentversion_myimpl : public componentversion {
 public:
  using interface_type = componentversion;

  void get_file_name(pfc::string_base& out) override;
  void get_component_name(pfc::string_base& out) override;
  void get_component_version(pfc::string_base& out) override;
  void get_about_message(pfc::string_base& out) override;

 protected:
  ~componentversion_myimpl() = default;
};

}  // namespace melodara
