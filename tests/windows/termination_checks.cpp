// abort() in a process that has loaded the module becomes the player's structured exception.
// The module is loaded in a child process of its own (aborting is a one-way trip) and without
// shared.dll, as where the player's library is missing: its call-stack scopes then do nothing.
#include <csignal>
#include <cstdlib>
#include <string>

#include "checks.h"
#include "child_process.h"
#include "host/module.h"
#include "host/registry.h"
#include "runner.h"
#include "source/lyric_source_base.h"

namespace wine_checks {

int run_abort_child(const std::string& module_path) {
  host::service_registry registry;
  const host::loaded_module module(module_path, registry);
  const service_ptr_t<service_base> made = module.create(lyric_source_base::class_guid);
  if (!static_cast<lyric_source_base*>(made.get())->PrepareSearch(0, nullptr, 0)) return kScopeFailed;
  exit_on_first_exception();
  std::abort();
}

void check_termination(const context& run) {
  CHECK_EQ(run_this_program(std::string(kAbortChildFlag) + " \"" + run.files.module + "\""),
           static_cast<unsigned long>(SIGABRT));
}

}  // namespace wine_checks
