#include "host/site_address.h"

#include <curl/curl.h>

#include <memory>
#include <stdexcept>

namespace host {
namespace {

struct url_deleter {
  void operator()(CURLU* url) const noexcept { curl_url_cleanup(url); }
};
using parsed_url = std::unique_ptr<CURLU, url_deleter>;

// One part of `url`, or nothing when the address has no such part.
std::optional<std::string> part_of(CURLU* url, CURLUPart part, unsigned int flags = 0) {
  char* text = nullptr;
  if (curl_url_get(url, part, &text, flags) != CURLUE_OK || text == nullptr) return std::nullopt;
  std::string copy(text);
  curl_free(text);
  return copy;
}

std::string lower_ascii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// The parsed address when it is an absolute http or https one.
parsed_url parse_web_address(const std::string& address) {
  parsed_url url(curl_url());
  if (!url) throw std::bad_alloc();
  if (curl_url_set(url.get(), CURLUPART_URL, address.c_str(), 0) != CURLUE_OK) return nullptr;
  const std::optional<std::string> scheme = part_of(url.get(), CURLUPART_SCHEME);
  if (!scheme || (lower_ascii(*scheme) != "http" && lower_ascii(*scheme) != "https")) return nullptr;
  return url;
}

std::string default_port(const std::string& scheme) { return scheme == "https" ? "443" : "80"; }

}  // namespace

std::optional<web_origin> origin_of(const std::string& address) {
  const parsed_url url = parse_web_address(address);
  if (!url) return std::nullopt;
  std::optional<std::string> host = part_of(url.get(), CURLUPART_HOST);
  std::optional<std::string> port = part_of(url.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT);
  if (!host || host->empty() || !port) return std::nullopt;
  return web_origin{lower_ascii(*part_of(url.get(), CURLUPART_SCHEME)), lower_ascii(*host), *port};
}

bool is_bare_origin(const std::string& address) {
  const parsed_url url = parse_web_address(address);
  if (!url || !origin_of(address)) return false;
  const std::optional<std::string> path = part_of(url.get(), CURLUPART_PATH);
  return (!path || *path == "/") && !part_of(url.get(), CURLUPART_QUERY) &&
         !part_of(url.get(), CURLUPART_FRAGMENT);
}

std::string with_origin(const std::string& address, const web_origin& origin) {
  const std::size_t scheme_end = address.find("://");
  if (!origin_of(address) || scheme_end == std::string::npos) {
    throw std::invalid_argument(address + " is not an http or https address");
  }
  // The rest is spliced over as it stands rather than rebuilt by the parser, so that the
  // query keeps the exact encoding that the component chose.
  const std::size_t rest = address.find_first_of("/?#", scheme_end + 3);
  return to_string(origin) + (rest == std::string::npos ? std::string() : address.substr(rest));
}

std::string to_string(const web_origin& origin) {
  std::string text = origin.scheme + "://" + origin.host;
  if (origin.port != default_port(origin.scheme)) text += ":" + origin.port;
  return text;
}

}  // namespace host
