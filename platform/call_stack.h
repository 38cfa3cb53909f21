// Names the running operation to the player's call-stack tracker for as long as it runs, so
// that a crash report shows where the component was.
#pragma once

namespace platform {

class call_stack_scope {
 public:
  // `label` is a constant text that outlives the scope.
  explicit call_stack_scope(const char* label);
  ~call_stack_scope();
  call_stack_scope(const call_stack_scope&) = delete;
  call_stack_scope& operator=(const call_stack_scope&) = delete;

 private:
  // The player's tracker object is one machine word, built in place in the caller's frame.
  alignas(void*) unsigned char tracker_[sizeof(void*)];
};

}  // namespace platform
