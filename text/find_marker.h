// The substring search under every scan of a page.
#pragma once

#include <cstddef>
#include <string_view>

namespace melodara {

// Returns the position of the first occurrence of `marker` in `text` at or after `from`, or
// std::string_view::npos; the same answer as text.find(marker, from). Made for pages, where
// the first byte of a marker ("<") comes every few bytes and a search that stops at each one
// is slow: only the positions where the marker's first and last bytes both match are
// compared in full, and those are found sixteen positions at a time where the processor can.
//
//   FindMarker("<td>1</td></tr>", "</tr>") == 10
//   FindMarker("<i>a</i><i>b</i>", "<i>", 1) == 8
//
// Corners: an empty marker is found at `from` when `from` is at most text.size(); a `from`
// beyond the end (npos included) finds nothing.
[[nodiscard]] std::size_t FindMarker(std::string_view text, std::string_view marker,
                                     std::size_t from = 0) noexcept;

}  // namespace melodara
