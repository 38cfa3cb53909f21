// The host object that the lookup binds to the lyric source: pages from the bundled offline
// site, from another directory of that shape, from a mirror over HTTP, or from the site
// itself, as the options say.
#pragma once

#include <optional>
#include <string>

#include "host/counted.h"
#include "host/http_host.h"
#include "host/panel_objects.h"
#include "tools/command_line.h"

namespace lookup {

// The site's base address, the same build setting that the component is built with.
inline constexpr char kSiteBaseUrl[] = MELODARA_SITE_BASE_URL;

class lookup_host : public host::counted<lyric_source_host> {
 public:
  // Raises usage_error for a --site that is neither a directory nor a bare http(s) base
  // address, std::runtime_error for a directory without a readable index. `observer` (may
  // be null) hears about pages fetched over HTTP.
  lookup_host(const options& chosen, host::download_observer* observer);
  virtual ~lookup_host() = default;

  void reserved_slot_3() override {}
  void reserved_slot_4() override {}
  bool DownloadPage(pfc::string_base& out, const char* user_agent, const char* address) override;

  // The address of the latest page asked for, so that an error of the component about a
  // page it could not read can say which page that was; empty before the first.
  const std::string& last_address() const noexcept { return last_address_; }

 private:
  lyric_source_host& pages();

  std::optional<host::panel_host> directory_;
  std::optional<host::http_host> web_;
  std::string last_address_;
};

}  // namespace lookup
