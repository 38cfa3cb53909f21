#include "fuzz/fuzz_input.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

std::vector<std::string_view> SplitInput(std::string_view input, std::size_t pieces) {
  std::string_view rest = input;
  std::vector<std::string_view> split;
  while (pieces == 0 || split.size() + 1 < pieces) {
    const std::size_t separator = rest.find('\x1e');
    if (separator == std::string_view::npos) break;
    split.push_back(rest.substr(0, separator));
    rest.remove_prefix(separator + 1);
  }
  split.push_back(rest);
  if (pieces != 0) split.resize(pieces);
  return split;
}

std::string UpToNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

void Fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

}  // namespace fuzz
