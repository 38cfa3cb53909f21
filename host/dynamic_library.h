// Opening a module and finding a symbol in it, on this system.
#pragma once

#include <string>

namespace host {

// Opens the library at `path` for the rest of the process; raises std::runtime_error with the
// system's reason when it cannot.
void* open_library(const std::string& path);
// The address of `name` in `library`, or null.
void* find_library_symbol(void* library, const char* name);

}  // namespace host
