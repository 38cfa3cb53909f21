#include "bench/fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

namespace bench {

const std::string& SitePage(const std::string& relative_path) {
  static std::map<std::string, std::string> pages;
  auto found = pages.find(relative_path);
  if (found == pages.end()) {
    const std::string path = std::string(MELODARA_SITE_DIR) + "/" + relative_path;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", path.c_str());
      std::exit(2);
    }
    std::ostringstream content;
    content << in.rdbuf();
    found = pages.emplace(relative_path, content.str()).first;
  }
  return found->second;
}

std::string Repeated(std::string_view piece, std::size_t bytes) {
  std::string text;
  text.reserve(bytes);
  while (text.size() + piece.size() <= bytes) text.append(piece);
  return text;
}

std::string ArtistPageOfSize(std::size_t bytes) {
  std::string page = "<html><body><div id=\"left_column\">\n";
  page.reserve(bytes + 1024);
  for (std::size_t row = 0; page.size() < bytes; ++row) {
    if (row % 13 == 0) {
      if (row != 0) page += "</table>\n";
      page += "<div class=\"album_cover_box\"><strong>Album " + std::to_string(row / 13) +
              "</strong></div>\n<table class=\"songs\"><tr><th class=\"left\">Song</th><th>Karaoke</th></tr>\n";
    }
    const std::string id = std::to_string(row);
    page += "<tr><td><a href=\"/texty-pisni/song-" + id + "\">Song number " + id +
            "</a></td><td><a href=\"/karaoke/song-" + id + "\">karaoke</a></td></tr>\n";
  }
  return page + "</table>\n</div><div id=\"right_column\"></div></body></html>";
}

bool memory_host::DownloadPage(pfc::string_base& out, const char*, const char* address) {
  const std::string& page = std::strstr(address, "/search?q=") != nullptr ? search_page_ : other_page_;
  out.set_text(page.data(), page.size());
  return true;
}

void address_item::SetLyricText(const char* text) { lyric_length = std::strlen(text); }

void address_item::GetSource(pfc::string_base& first, pfc::string_base& second) {
  first.set_text(address_.data(), address_.size());
  second.set_text(address_.data(), address_.size());
}

}  // namespace bench
