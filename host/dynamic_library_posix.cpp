#include <dlfcn.h>

#include <stdexcept>

#include "host/dynamic_library.h"

namespace host {

void* open_library(const std::string& path) {
  void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) throw std::runtime_error(::dlerror());
  return library;
}

void* find_library_symbol(void* library, const char* name) { return ::dlsym(library, name); }

}  // namespace host
