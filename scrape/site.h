// What every page of the site shares: its base address, how pages are fetched, and the
// error for a page that lacks what the scan needs.
#pragma once

#include <string_view>

#include "component/pfc_string8.h"
#include "source/panel.h"

namespace melodara {

// The site's scheme and host, without a trailing slash; every page address is built on it.
inline constexpr std::string_view SiteBaseUrl = MELODARA_SITE_BASE_URL;

// Downloads `address` through `host` into `page` and returns the page text: the bytes up to
// the first NUL, empty when the host left nothing. Errors of the host pass through.
std::string_view DownloadSitePage(lyric_source_host& host, const char* address, pfc::string8& page);

// Raises std::out_of_range for a page without a marker the scan cannot do without.
[[noreturn]] void ThrowInvalidPosition();

}  // namespace melodara
