// A copy of the site in a directory, as the bundled offline site is laid out: an index.tsv of
// "ADDRESS<TAB>FILE" lines (ADDRESS is what follows the site's base address, FILE a path
// relative to the directory; "#" starts a comment line) and the pages it names.
#pragma once

#include <string>

#include "host/panel_objects.h"

namespace host {

// Serves the directory's pages at `base_url` + ADDRESS; any other address has no page.
// Raises std::runtime_error when the index cannot be read. Pages are read when asked for;
// a listed page that cannot be read raises std::runtime_error naming it.
page_source pages_from_site_directory(const std::string& directory, const std::string& base_url);

}  // namespace host
