#include "scrape/lyric_page.h"

namespace melodara {

bool LoadLyricPage(lyric_source_host&, lyric_result_item&) { return false; }

}  // namespace melodara
