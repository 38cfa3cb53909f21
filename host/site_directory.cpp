#include "host/site_directory.h"

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace host {
namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace

page_source pages_from_site_directory(const std::string& directory, const std::string& base_url) {
  auto files = std::make_shared<std::map<std::string, std::string>>();
  std::istringstream index(read_file(directory + "/index.tsv"));
  for (std::string line; std::getline(index, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
    files->emplace(base_url + line.substr(0, tab), directory + "/" + line.substr(tab + 1));
  }
  return [files](const std::string& address) -> std::optional<std::string> {
    const auto found = files->find(address);
    if (found == files->end()) return std::nullopt;
    return read_file(found->second);
  };
}

}  // namespace host
