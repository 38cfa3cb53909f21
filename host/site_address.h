// The scheme, host and port of web addresses: what decides whether an address belongs to the
// site, and how an address of the site is turned into the same page on a mirror.
#pragma once

#include <optional>
#include <string>

namespace host {

// Where a page is served from. Scheme and host are in lower case; the port is always filled
// in, with the scheme's default where the address names none ("https://A" has port "443").
struct web_origin {
  std::string scheme;
  std::string host;
  std::string port;

  bool operator==(const web_origin& other) const {
    return scheme == other.scheme && host == other.host && port == other.port;
  }
  bool operator!=(const web_origin& other) const { return !(*this == other); }
};

// The origin of an absolute http or https address; nothing for any other scheme, for a
// relative address, or for text that is no address at all.
//
//   origin_of("https://WWW.Example.com/a?b") == {"https", "www.example.com", "443"}
//   origin_of("ftp://example.com/") == nullopt
[[nodiscard]] std::optional<web_origin> origin_of(const std::string& address);

// True when `address` is an absolute http or https address with no path beyond "/", no
// query and no fragment: the form of a site's base address or of a mirror.
[[nodiscard]] bool is_bare_origin(const std::string& address);

// `address` with its scheme, host and port replaced by `origin`; path, query and fragment
// stay byte for byte. The port is left out where it is the scheme's default.
//
//   with_origin("https://a.example/x?q=%C5", {"http", "127.0.0.1", "8080"})
//       == "http://127.0.0.1:8080/x?q=%C5"
//
// Raises std::invalid_argument when `address` is not an absolute http or https address.
[[nodiscard]] std::string with_origin(const std::string& address, const web_origin& origin);

// "scheme://host" with ":port" only where it is not the scheme's default.
[[nodiscard]] std::string to_string(const web_origin& origin);

}  // namespace host
