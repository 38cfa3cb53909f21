// Where the tool finds the component module and the bundled offline site when the command
// line names neither: beside the executable first (an installed copy), then where this
// build put them.
#pragma once

#include <string>

namespace lookup {

// "foo_lyricsource_melodara.so" beside the executable when it is there, else the module
// that this build made.
[[nodiscard]] std::string default_module_path();

// "site/" beside the executable when it holds an index.tsv, else examples/site of the
// source tree that this build came from.
[[nodiscard]] std::string default_site_directory();

}  // namespace lookup
