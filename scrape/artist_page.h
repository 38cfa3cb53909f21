// An artist's page: song tables in the left column, one row per song, linking the song's
// lyric page and, where the site has one, its karaoke page.
#pragma once

#include <string_view>

#include "source/panel.h"

namespace melodara {

// Downloads the page at `entry_address` (a path on the site, as the search page links it)
// and adds to `list` a text result and a karaoke result for every song row whose title fits
// `requested_title`, in page order. An address that is not a path on the site is not
// followed. Raises std::out_of_range ("invalid string position") for a page without its left
// column or with a table segment that holds no table.
void ScanArtistPage(lyric_source_host& host, const char* requested_title, std::string_view artist,
                    std::string_view entry_address, lyric_result_list& list, const GUID& source_guid);

}  // namespace melodara
