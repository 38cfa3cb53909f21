// The lookup's stand-in for the player's lyrics panel: it loads the component module by
// path, finds the lyric source through the module's factory list under the panel's class
// GUID, binds a host object to it and makes the calls that the panel makes.
#pragma once

#include <memory>
#include <string>

#include "host/module.h"
#include "host/panel_objects.h"
#include "host/registry.h"
#include "source/lyric_source_base.h"

namespace lookup {

// The component's entry in the player's component list.
struct version_record {
  std::string file_name;
  std::string name;
  std::string version;
  std::string about;
};

class lyrics_panel {
 public:
  // Loads the module at `module_path` and registers its factories as the player would.
  // Raises std::runtime_error when the module, its export or its lyric source is missing.
  explicit lyrics_panel(const std::string& module_path);
  lyrics_panel(const lyrics_panel&) = delete;
  lyrics_panel& operator=(const lyrics_panel&) = delete;

  [[nodiscard]] version_record version();

  // Binds `page_host` to the source; it must outlive the panel. Searches and loads before a
  // host is bound find nothing.
  void bind(lyric_source_host& page_host);

  // The items that the source adds for the track, in the order it adds them. Errors of the
  // host and of the component pass unchanged.
  [[nodiscard]] std::unique_ptr<host::result_list> search(const std::string& artist, const std::string& title);

  // An item for one result address, as the panel keeps it: the address stored twice, marked
  // as karaoke or text by `synced`.
  [[nodiscard]] std::unique_ptr<host::result_item> item_for(const std::string& address, bool synced);

  // Gives `item` its lyric text; false when the source finds none.
  bool load(host::result_item& item);

 private:
  // A new reference to the one service registered under `class_guid`.
  service_ptr_t<service_base> create_service(const GUID& class_guid, const char* what);

  std::string module_file_;
  host::service_registry registry_;
  host::loaded_module module_;
  service_ptr_t<lyric_source_base> source_;
};

}  // namespace lookup
