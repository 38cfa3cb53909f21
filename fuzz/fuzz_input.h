// What the fuzz targets share: cutting one input into the pieces a target needs, and stopping
// the run when a check fails. The same targets run under libFuzzer and, built by the normal
// suite, over the kept regression inputs and the seed corpora (replay_main.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// Pieces of an input are separated by the byte 0x1E (record separator), which no page of the
// site holds. The last of `pieces` takes the rest of the input, separators included; missing
// pieces are empty. With `pieces` 0 the input is cut at every separator.
std::vector<std::string_view> SplitInput(std::string_view input, std::size_t pieces);

// The text up to its first NUL, as the component reads a C string or a downloaded page.
std::string UpToNul(std::string_view text);

// Reports a failed check and aborts, so that libFuzzer keeps the input as a crash and the
// replay fails its test.
[[noreturn]] void Fail(const std::string& what);

// Fails unless `condition` holds.
inline void Check(bool condition, const char* what) {
  if (!condition) Fail(what);
}

}  // namespace fuzz
