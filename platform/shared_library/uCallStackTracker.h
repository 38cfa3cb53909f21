// The call-stack tracker of the player's shared library, and what the stand-in built here
// offers tests besides: the labels of the running scopes on the calling thread, and every
// label ever opened.
#pragma once

#include <cstddef>

#if !defined(_WIN32)
#define SHARED_LIBRARY_API __attribute__((visibility("default")))
#define SHARED_LIBRARY_CLASS SHARED_LIBRARY_API
#else
#if defined(SHARED_LIBRARY_BUILD)
#define SHARED_LIBRARY_API __declspec(dllexport)
#else
#define SHARED_LIBRARY_API __declspec(dllimport)
#endif
#if defined(_MSC_VER)
#define SHARED_LIBRARY_CLASS SHARED_LIBRARY_API
#else
// MinGW would export its own names for the members; shared.def exports them under the names
// that the player's compiler gives them, which is what the component looks up.
#define SHARED_LIBRARY_CLASS
#endif
#endif

class SHARED_LIBRARY_CLASS uCallStackTracker {
 public:
  explicit uCallStackTracker(const char* label);
  ~uCallStackTracker();
  uCallStackTracker(const uCallStackTracker&) = delete;
  uCallStackTracker& operator=(const uCallStackTracker&) = delete;

 private:
  const char* label_;
};

extern "C" {
// The scopes open on the calling thread, innermost last.
SHARED_LIBRARY_API std::size_t shared_stack_depth(void);
SHARED_LIBRARY_API const char* shared_stack_label(std::size_t index);
// Every label opened on any thread since the last clear, in order.
SHARED_LIBRARY_API std::size_t shared_history_size(void);
SHARED_LIBRARY_API const char* shared_history_label(std::size_t index);
SHARED_LIBRARY_API void shared_history_clear(void);
}
