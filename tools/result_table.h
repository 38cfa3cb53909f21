// A search's results as a table for a person at a terminal.
#pragma once

#include <string>

#include "host/panel_objects.h"

namespace lookup {

// One header line and one line per result: number, kind, artist, album, title, address
// (the address that the item stores, in full). Columns are padded to their widest entry,
// counted in characters (UTF-8 sequences, so that accented names line up), with two spaces
// between them and none after the last. Texts appear byte for byte as the component gave
// them. Every line ends in LF; an empty list gives the header alone.
[[nodiscard]] std::string results_table(const host::result_list& results);

}  // namespace lookup
