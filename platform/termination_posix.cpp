// This system has no structured exceptions: raising one is stood in for by a line on stderr
// naming the code and its argument, and an exit whose status (200, the code's low byte) a
// parent can tell apart from a plain abort. SIGBREAK and the abort-behaviour flags do not exist.
#include <csignal>
#include <cstddef>
#include <initializer_list>
#include <unistd.h>

#include "platform/termination.h"

namespace platform {
namespace {

constexpr int kTerminationExitStatus = 200;

// Formats `value` into `out` in decimal; returns the length. Async-signal-safe.
std::size_t format_decimal(unsigned value, char* out) {
  char digits[16];
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (std::size_t i = 0; i < count; ++i) out[i] = digits[count - 1 - i];
  return count;
}

extern "C" void raise_structured_exception(int signal_number) {
  static constexpr char kPrefix[] = "structured exception 0x6F8E1DC8 (non-continuable), argument ";
  char line[sizeof(kPrefix) + 16];
  std::size_t length = sizeof(kPrefix) - 1;
  for (std::size_t i = 0; i < length; ++i) line[i] = kPrefix[i];
  length += format_decimal(static_cast<unsigned>(signal_number), line + length);
  line[length++] = '\n';
  [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, length);
  ::_exit(kTerminationExitStatus);
}

}  // namespace

void install_termination_handler() noexcept {
  for (const int signal_number : {SIGINT, SIGTERM, SIGABRT}) {
    std::signal(signal_number, raise_structured_exception);
  }
}

}  // namespace platform
