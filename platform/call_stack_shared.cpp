// Here the player's shared library is the stand-in built beside the component, linked as the
// component would link the player's.
#include <new>

#include "platform/call_stack.h"
#include "platform/shared_library/uCallStackTracker.h"

namespace platform {

static_assert(sizeof(uCallStackTracker) == sizeof(void*), "the tracker is one machine word");

call_stack_scope::call_stack_scope(const char* label) { new (tracker_) uCallStackTracker(label); }

call_stack_scope::~call_stack_scope() {
  std::launder(reinterpret_cast<uCallStackTracker*>(tracker_))->~uCallStackTracker();
}

}  // namespace platform
