// Drives the Windows build of the module under Wine the way the player and the lyrics panel
// do: through its export and its tables alone. Usage:
//   wine_module_tests MODULE.dll SHARED.dll SITE_DIRECTORY
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <type_traits>

#include "checks.h"
#include "host/dynamic_library.h"
#include "image_checks.h"
#include "runner.h"

namespace wine_checks {

shared_library::shared_library(const std::string& path) {
  void* library = host::open_library(path);
  const auto find = [&](auto& function, const char* name) {
    function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(host::find_library_symbol(library, name));
    if (function == nullptr) throw std::runtime_error(path + ": no export named " + name);
  };
  find(depth_, "shared_stack_depth");
  find(label_, "shared_stack_label");
  find(history_size_, "shared_history_size");
  find(history_label_, "shared_history_label");
  find(clear_, "shared_history_clear");
}

std::string shared_library::label(std::size_t index) const {
  const char* text = label_(index);
  return text != nullptr ? text : "(none)";
}

std::vector<std::string> shared_library::history() const {
  std::vector<std::string> labels;
  for (std::size_t i = 0; i < history_size_(); ++i) labels.emplace_back(history_label_(i));
  return labels;
}

}  // namespace wine_checks

int main(int argc, char** argv) {
  using namespace wine_checks;
  if (argc == 3 && std::strcmp(argv[1], kAbortChildFlag) == 0) return run_abort_child(argv[2]);
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s MODULE.dll SHARED.dll SITE_DIRECTORY\n", argv[0]);
    return 2;
  }
  try {
    const paths files{argv[1], argv[2], argv[3]};
    // The player's process has shared.dll before it loads any component.
    const shared_library shared(files.shared);
    host::service_registry registry;
    const host::loaded_module module(files.module, registry);
    registry.add_factories(module.client().service_list());
    const context run{files, shared, registry, module};
    check_image(files.module);
    check_entry(run);
    check_calling_convention(run);
    check_source(run);
    check_fixture_site(run);
    check_termination(run);
  } catch (const std::exception& error) {
    std::printf("FAILED: the run stopped: %s\n", error.what());
    ++results().failed;
  }
  std::printf("%d passed, %d failed\n", results().passed, results().failed);
  return results().failed == 0 ? 0 : 1;
}
