// Messages for a person reading a terminal, where every error takes exactly one line.
#pragma once

#include <string>
#include <string_view>

namespace lookup {

// `text` with each run of CR and LF bytes replaced by one space and no line break left at
// either end, so that a message from a library prints as one line.
//
//   one_line("bad\r\nvalue\n") == "bad value"
//   one_line("") == ""
[[nodiscard]] inline std::string one_line(std::string_view text) {
  std::string line;
  bool after_break = false;
  for (const char c : text) {
    if (c == '\r' || c == '\n') {
      after_break = true;
      continue;
    }
    if (after_break && !line.empty()) line += ' ';
    after_break = false;
    line += c;
  }
  return line;
}

}  // namespace lookup
