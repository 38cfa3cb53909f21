// What a user would write instead of the component's marker scans: parse the page into a tree
// with a real HTML parser (Gumbo, or libxml2's HTML parser) and make the same cut from the tree.
// Used only beside the component in the benchmarks, to see what the marker scans save.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bench {

// The items a search would add for `title` from the artist page: for every row of the left
// column's tables whose lyric link text fits, one per lyric and karaoke link.
std::size_t GumboArtistItems(const std::string& page, std::string_view title);
std::size_t Libxml2ArtistItems(const std::string& page, std::string_view title);

// The lyric text of a text page: the lyric element's text without its line breaks, then the
// separator and the author element's text, trimmed.
std::string GumboTextLyric(const std::string& page);
std::string Libxml2TextLyric(const std::string& page);

// The timed lines of a karaoke page: the script that holds the array, converted as the
// component converts it, then the separator and the author element's text.
std::string GumboKaraokeLyric(const std::string& page);
std::string Libxml2KaraokeLyric(const std::string& page);

}  // namespace bench
