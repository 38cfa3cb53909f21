// A result's page: text lyrics cut from the page, or karaoke timed lines, with credits.
#pragma once

#include "source/panel.h"

namespace melodara {

// Downloads the page of `item` through `host` and hands its lyric text to the item.
// False when the page holds no lyric; the item is then left without text.
bool LoadLyricPage(lyric_source_host& host, lyric_result_item& item);

}  // namespace melodara
