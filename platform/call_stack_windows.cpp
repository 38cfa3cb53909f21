// The player's shared.dll is already loaded when the player loads the component, and it was
// built by the player's compiler: the tracker's constructor and destructor are found by the
// names that compiler gives them and called as it calls member functions, the object in ECX.
// The component does not link the library, so it also loads where the library is missing; a
// scope then records nothing.
#include <windows.h>

#include "platform/call_stack.h"

namespace platform {
namespace {

static_assert(sizeof(void*) == 4, "the tracker's names below are those of a 32-bit build");

// uCallStackTracker::uCallStackTracker(const char*) and uCallStackTracker::~uCallStackTracker().
constexpr char kConstructorName[] = "??0uCallStackTracker@@QAE@PBD@Z";
constexpr char kDestructorName[] = "??1uCallStackTracker@@QAE@XZ";

#if defined(__GNUC__)
// GCC applies thiscall to plain function pointers as asked, and under -Wpedantic says so.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wattributes"
#endif
using tracker_constructor = void*(__thiscall*)(void* self, const char* label);
using tracker_destructor = void(__thiscall*)(void* self);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

struct tracker_functions {
  tracker_constructor construct = nullptr;
  tracker_destructor destroy = nullptr;
};

template <typename Function>
Function find_function(HMODULE library, const char* name) noexcept {
  // void (*)() is the function pointer type that converts to any other without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}

tracker_functions find_tracker() noexcept {
  const HMODULE shared = ::GetModuleHandleW(L"shared.dll");
  if (shared == nullptr) return {};
  tracker_functions found{find_function<tracker_constructor>(shared, kConstructorName),
                          find_function<tracker_destructor>(shared, kDestructorName)};
  // A tracker that could be built but not destroyed would leave the player's stack wrong.
  if (found.construct == nullptr || found.destroy == nullptr) return {};
  return found;
}

// Looked up once; the player never unloads shared.dll before the component.
const tracker_functions& tracker() noexcept {
  static const tracker_functions functions = find_tracker();
  return functions;
}

}  // namespace

call_stack_scope::call_stack_scope(const char* label) {
  if (tracker().construct != nullptr) tracker().construct(tracker_, label);
}

call_stack_scope::~call_stack_scope() {
  if (tracker().destroy != nullptr) tracker().destroy(tracker_);
}

}  // namespace platform
