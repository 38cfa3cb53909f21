// The few checks that the Wine suite needs: GoogleTest is not built for this target. Every
// check counts; a failing one prints where it is and what it saw, and the run goes on.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>

namespace wine_checks {

struct tally {
  int passed = 0;
  int failed = 0;
};

inline tally& results() {
  static tally counts;
  return counts;
}

inline void record(bool ok, const char* file, int line, const std::string& what) {
  if (ok) {
    ++results().passed;
    return;
  }
  ++results().failed;
  std::printf("FAILED %s:%d: %s\n", file, line, what.c_str());
  std::fflush(stdout);
}

template <typename Actual, typename Expected>
void check_equal(const Actual& actual, const Expected& expected, const char* text, const char* file, int line) {
  const bool ok = actual == expected;
  if (ok) {
    record(true, file, line, {});
    return;
  }
  std::ostringstream what;
  what << text << ": got [" << actual << "], expected [" << expected << "]";
  record(false, file, line, what.str());
}

}  // namespace wine_checks

#define CHECK(condition) ::wine_checks::record((condition), __FILE__, __LINE__, #condition)
#define CHECK_EQ(actual, expected) \
  ::wine_checks::check_equal((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)
