// The built DLL's image as the player's loader sees it. Apart from the module's own headers:
// the system's headers name some of the same types.
#pragma once

#include <string>

namespace wine_checks {

// Loads the DLL at `module_path` (if not loaded yet) and checks its headers and tables.
void check_image(const std::string& module_path);

}  // namespace wine_checks
