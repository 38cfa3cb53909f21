#include "tools/install_paths.h"

#include <unistd.h>

#include <climits>
#include <fstream>

namespace lookup {
namespace {

// The directory that holds the running executable, with a trailing slash; empty when the
// system does not tell.
std::string own_directory() {
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (length <= 0) return {};
  const std::string executable(path, static_cast<std::size_t>(length));
  return executable.substr(0, executable.find_last_of('/') + 1);
}

bool is_readable(const std::string& path) { return std::ifstream(path).good(); }

std::string beside_self_or(const std::string& name, const std::string& probe, const std::string& built) {
  const std::string directory = own_directory();
  if (!directory.empty() && is_readable(directory + probe)) return directory + name;
  return built;
}

}  // namespace

std::string default_module_path() {
  return beside_self_or("foo_lyricsource_melodara.so", "foo_lyricsource_melodara.so", MELODARA_BUILT_MODULE);
}

std::string default_site_directory() {
  return beside_self_or("site", "site/index.tsv", MELODARA_BUNDLED_SITE);
}

}  // namespace lookup
