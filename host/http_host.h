// The panel's host object for pages over HTTP: the site itself, or a mirror of it that
// serves the same paths. It fetches only the site's own addresses.
#pragma once

#include <string>

#include "host/counted.h"
#include "host/http_fetcher.h"
#include "host/site_address.h"
#include "source/panel.h"

namespace host {

class http_host : public counted<lyric_source_host> {
 public:
  // Serves the pages of the site whose base address is `site_base` (as the component builds
  // its addresses), fetching them from `fetch_base`: the same base, or a mirror's, whose
  // scheme and host then take the place of the site's in every address. Both are bare
  // origins ("https://www.example.com", "http://127.0.0.1:8080"); raises
  // std::invalid_argument otherwise.
  http_host(const std::string& site_base, const std::string& fetch_base, http_limits limits,
            download_observer* observer = nullptr);
  virtual ~http_host() = default;

  void reserved_slot_3() override {}
  void reserved_slot_4() override {}
  // Fills `out` in one call with the whole page; leaves it empty for a page that the server
  // does not have (404). An address that is neither on the site nor on the mirror is refused
  // with a download_error and never fetched; download errors pass to the caller unchanged.
  bool DownloadPage(pfc::string_base& out, const char* user_agent, const char* address) override;

 private:
  web_origin site_;
  web_origin fetch_from_;
  http_fetcher fetcher_;
};

}  // namespace host
