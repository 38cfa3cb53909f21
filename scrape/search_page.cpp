#include "scrape/search_page.h"

namespace melodara {

bool SearchSite(lyric_source_host&, const lyric_search_request&, lyric_result_list&, const GUID&) {
  return false;
}

}  // namespace melodara
