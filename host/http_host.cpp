#include "host/http_host.h"

#include <optional>
#include <stdexcept>

namespace host {
namespace {

web_origin bare_origin(const std::string& base) {
  if (!is_bare_origin(base)) throw std::invalid_argument(base + " is not a bare http or https address");
  return *origin_of(base);
}

}  // namespace

http_host::http_host(const std::string& site_base, const std::string& fetch_base, http_limits limits,
                     download_observer* observer)
    : site_(bare_origin(site_base)), fetch_from_(bare_origin(fetch_base)), fetcher_(limits, observer) {}

bool http_host::DownloadPage(pfc::string_base& out, const char* user_agent, const char* address) {
  const std::string asked(address);
  const std::optional<web_origin> origin = origin_of(asked);
  if (!origin || (*origin != site_ && *origin != fetch_from_)) {
    std::string allowed = to_string(site_);
    if (fetch_from_ != site_) allowed += " or its mirror " + to_string(fetch_from_);
    throw download_error("refused to fetch " + asked + ": not an address of " + allowed);
  }
  const std::optional<std::string> page = fetcher_.fetch(with_origin(asked, fetch_from_), user_agent);
  if (!page) return false;
  out.set_text(page->data(), page->size());
  return true;
}

}  // namespace host
