// The site's search page: finds the requested artist and scans each matching artist's page.
#pragma once

#include "source/panel.h"

namespace melodara {

// Searches the site for the request's artist through `host` and adds an item to `list` for
// every lyric of the request's title found on a matching artist's page, stamped with
// `source_guid`. False only when the search page holds no artist list. Errors of the host,
// the list and its items pass through; items added before an error stay.
bool SearchSite(lyric_source_host& host, const lyric_search_request& request,
                lyric_result_list& list, const GUID& source_guid);

}  // namespace melodara
