#include "scrape/site.h"

#include <stdexcept>

namespace melodara {

std::string_view DownloadSitePage(lyric_source_host& host, const char* address, pfc::string8& page) {
  static constexpr char kUserAgent[] = "Mozilla Firefox";
  host.DownloadPage(page, kUserAgent, address);
  return page.get_text();
}

void ThrowInvalidPosition() { throw std::out_of_range("invalid string position"); }

}  // namespace melodara
