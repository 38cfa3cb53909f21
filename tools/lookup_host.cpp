#include "tools/lookup_host.h"

#include <algorithm>
#include <cmath>

#include "host/site_address.h"
#include "host/site_directory.h"
#include "tools/exit_status.h"
#include "tools/install_paths.h"

namespace lookup {
namespace {

bool names_a_web_address(const std::string& site) {
  return site.rfind("http://", 0) == 0 || site.rfind("https://", 0) == 0;
}

std::chrono::milliseconds from_seconds(double seconds) {
  return std::chrono::milliseconds(std::max(1LL, std::llround(seconds * 1000)));
}

host::http_limits limits_from(const options& chosen) {
  host::http_limits limits;
  limits.connect_timeout = from_seconds(chosen.connect_timeout_seconds);
  limits.total_timeout = from_seconds(chosen.timeout_seconds);
  return limits;
}

}  // namespace

lookup_host::lookup_host(const options& chosen, host::download_observer* observer) {
  if (chosen.online) {
    web_.emplace(kSiteBaseUrl, kSiteBaseUrl, limits_from(chosen), observer);
  } else if (names_a_web_address(chosen.site)) {
    if (!host::is_bare_origin(chosen.site)) {
      throw usage_error("--site " + chosen.site +
                        ": a mirror is named by its scheme, host and port alone, such as http://127.0.0.1:8080");
    }
    web_.emplace(kSiteBaseUrl, chosen.site, limits_from(chosen), observer);
  } else {
    const std::string directory = chosen.site.empty() ? default_site_directory() : chosen.site;
    directory_.emplace(host::pages_from_site_directory(directory, kSiteBaseUrl));
  }
}

bool lookup_host::DownloadPage(pfc::string_base& out, const char* user_agent, const char* address) {
  last_address_ = address;
  return pages().DownloadPage(out, user_agent, address);
}

lyric_source_host& lookup_host::pages() {
  if (web_) return *web_;
  return *directory_;
}

}  // namespace lookup
