// What every group of the Wine suite is handed: where the built files are, the stand-in of the
// player's shared.dll (loaded first, as in the player's process), and the module, loaded the way
// the player loads it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/module.h"
#include "host/registry.h"

namespace wine_checks {

struct paths {
  std::string module;  // foo_lyricsource_melodara.dll
  std::string shared;  // the stand-in shared.dll
  std::string site;    // the bundled offline site
};

// The stand-in's accessors, found by name as the module's own lookups are.
class shared_library {
 public:
  explicit shared_library(const std::string& path);

  std::size_t depth() const { return depth_(); }
  std::string label(std::size_t index) const;
  // Every label opened since the last clear, in order.
  std::vector<std::string> history() const;
  void clear_history() const { clear_(); }

 private:
  std::size_t (*depth_)();
  const char* (*label_)(std::size_t);
  std::size_t (*history_size_)();
  const char* (*history_label_)(std::size_t);
  void (*clear_)();
};

struct context {
  paths files;
  const shared_library& shared;
  host::service_registry& registry;  // holds the module's factories
  const host::loaded_module& module;
};

void check_entry(const context& run);
void check_calling_convention(const context& run);
void check_source(const context& run);
void check_fixture_site(const context& run);
void check_termination(const context& run);

// The child process of check_termination: loads the module without shared.dll and aborts.
int run_abort_child(const std::string& module_path);
inline constexpr char kAbortChildFlag[] = "--abort-child";

}  // namespace wine_checks
