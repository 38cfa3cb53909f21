// Loads a component module the way the player does: by path, through its one export.
#pragma once

#include <string>
#include <vector>

#include "component/client.h"

namespace host {

class loaded_module {
 public:
  // Opens the module at `path`, calls its export with `api` and hands over the module's path
  // and file name. Raises std::runtime_error when the module or its export cannot be found.
  // The module stays loaded for the life of the process, as in the player.
  loaded_module(const std::string& path, player_api& api);

  component_client& client() const noexcept { return *client_; }
  // The factory records, from the list's head to its end.
  std::vector<service_factory_base*> factories() const;
  // A new reference from the first factory registered under `class_guid`; empty when none.
  [[nodiscard]] service_ptr_t<service_base> create(const GUID& class_guid) const;
  // The export itself, to call it again.
  foobar2000_get_interface_t entry_point() const noexcept { return entry_; }

 private:
  foobar2000_get_interface_t entry_ = nullptr;
  component_client* client_ = nullptr;
};

// The file name part of a path: what follows the last slash or backslash.
std::string file_name_of(const std::string& path);

}  // namespace host
