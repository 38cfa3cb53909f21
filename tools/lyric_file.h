// Writing a loaded lyric to a file: a karaoke lyric as an .lrc file that players read with
// its track tags, a text lyric as it is.
#pragma once

#include <string>
#include <string_view>

#include "host/panel_objects.h"

namespace lookup {

// The line end that `text` uses: CR LF when its first line ends so, LF when its first line
// ends in a lone LF; CR LF for text without a line end, as karaoke lines end.
//
//   line_end_of("[00:01.00]a\r\nb\n") == "\r\n"
//   line_end_of("a\nb") == "\n"
[[nodiscard]] std::string_view line_end_of(std::string_view text);

// What the file for `item` holds: for a karaoke item, an [ar:], [al:] and [ti:] line for the
// item's artist, album and title (each only when it is not empty), in the lyric's own line
// end, then the lyric text; for a text item the lyric text alone. Texts are not changed.
[[nodiscard]] std::string lyric_file_content(const host::result_item& item);

// Replaces the file at `path` with `content`, all or nothing: the bytes go to a new file
// beside it, which takes the place of `path` only once they are all written. On failure no
// new file is left and an old one at `path` stays as it was. Raises std::runtime_error
// naming the path and the system's reason.
void write_whole_file(const std::string& path, const std::string& content);

}  // namespace lookup
