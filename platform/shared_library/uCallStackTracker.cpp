#include "platform/shared_library/uCallStackTracker.h"

#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace {

thread_local std::vector<const char*> t_open_scopes;

std::mutex g_history_lock;
// A deque keeps the texts handed out by shared_history_label valid while more are added.
std::deque<std::string> g_history;

}  // namespace

uCallStackTracker::uCallStackTracker(const char* label) : label_(label) {
  t_open_scopes.push_back(label);
  const std::lock_guard<std::mutex> lock(g_history_lock);
  g_history.emplace_back(label);
}

// Closes the innermost scope only when it is this object's: a destructor reached with another
// object than its constructor leaves the scope open for tests to see.
uCallStackTracker::~uCallStackTracker() {
  if (!t_open_scopes.empty() && t_open_scopes.back() == label_) t_open_scopes.pop_back();
}

std::size_t shared_stack_depth(void) { return t_open_scopes.size(); }

const char* shared_stack_label(std::size_t index) {
  return index < t_open_scopes.size() ? t_open_scopes[index] : nullptr;
}

std::size_t shared_history_size(void) {
  const std::lock_guard<std::mutex> lock(g_history_lock);
  return g_history.size();
}

const char* shared_history_label(std::size_t index) {
  const std::lock_guard<std::mutex> lock(g_history_lock);
  return index < g_history.size() ? g_history[index].c_str() : nullptr;
}

void shared_history_clear(void) {
  const std::lock_guard<std::mutex> lock(g_history_lock);
  g_history.clear();
}
