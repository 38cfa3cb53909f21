// A karaoke page carries its timed lyric as a script array, `syltG`, of entries that each
// pair a time tag with a line: new Array(new Array("00:12.40", "line"), ...);
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace melodara {

// Rewrites the page's array into timed lines, "[" tag "]" line CR LF per entry, by text
// substitution alone: both strings pass byte for byte, escapes and references included.
// Empty when the page has no array or an empty one.
//   ConvertKaraokeScript("var syltG = new Array(new Array(\"0:01\", \"Hi\"));") == "[0:01]Hi\r\n"
// `room_after` bytes are reserved behind the lines for a caller that appends to them.
[[nodiscard]] std::string ConvertKaraokeScript(std::string_view page, std::size_t room_after = 0);

}  // namespace melodara
