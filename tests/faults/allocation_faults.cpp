// The seam behind the module's string allocations, in the fault-injection build of the module,
// and the export that arms it. The module runs on the caller's thread, one test at a time.
#include "tests/faults/allocation_faults.h"

#include "component/alloc_hook.h"
#include "platform/module_export.h"

namespace {

std::size_t g_numbered = 0;
std::size_t g_first_failing = 0;
bool g_from_then_on = false;

}  // namespace

bool melodara::allocation_should_fail() noexcept {
  ++g_numbered;
  if (g_first_failing == 0 || g_numbered < g_first_failing) return false;
  return g_numbered == g_first_failing || g_from_then_on;
}

extern "C" MELODARA_MODULE_EXPORT void melodara_fail_allocations(std::size_t first, int from_then_on) {
  g_numbered = 0;
  g_first_failing = first;
  g_from_then_on = from_then_on != 0;
}

extern "C" MELODARA_MODULE_EXPORT std::size_t melodara_allocations_numbered() { return g_numbered; }
