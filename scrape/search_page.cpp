#include "scrape/search_page.h"

#include <string_view>

#include "scrape/artist_page.h"
#include "scrape/site.h"
#include "text/find_marker.h"
#include "text/text_helpers.h"
#include "text/url_encode.h"

namespace melodara {
namespace {

// The site writes an artist's name as it likes; the user types it as they like. Only ASCII
// letters are folded: the bytes of other letters must match exactly, whatever the locale.
bool SameArtist(std::string_view listed, std::string_view requested) {
  if (listed.size() != requested.size()) return false;
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (fold(listed[i]) != fold(requested[i])) return false;
  }
  return true;
}

}  // namespace

bool SearchSite(lyric_source_host& host, const lyric_search_request& request,
                lyric_result_list& list, const GUID& source_guid) {
  static constexpr std::string_view kSearchPath = "/search?q=";
  pfc::string8 address;
  address.set_text(SiteBaseUrl.data(), SiteBaseUrl.size());
  address.append_text(kSearchPath.data(), kSearchPath.size());
  UrlEncode(address, request.artist);

  pfc::string8 downloaded;
  const std::string_view page = DownloadSitePage(host, address.get_text(), downloaded);

  // The artist list begins with its own opening tag and stops before the first "</ul>" after it.
  const std::size_t list_start = FindMarker(page, "<ul class='artist'>");
  if (list_start == std::string_view::npos) return false;
  const std::size_t list_end = FindMarker(page, "</ul>", list_start);
  if (list_end == std::string_view::npos) return false;
  const std::string_view artists = page.substr(list_start, list_end - list_start);

  // Every entry is compared, in list order: two entries naming the artist are two artist pages.
  for (std::size_t entry_start = FindMarker(artists, "<li>"); entry_start != std::string_view::npos;) {
    const std::size_t entry_end = FindMarker(artists, "</li>", entry_start);
    const std::string_view entry = artists.substr(
        entry_start, entry_end == std::string_view::npos ? std::string_view::npos : entry_end - entry_start);
    const std::string_view name = TrimWhitespace(ExtractBetween(entry, 0, {"<a href=\"", ">", "</a>"}));
    if (SameArtist(name, request.artist)) {
      ScanArtistPage(host, request.title, name, ExtractBetween(entry, 0, {"<a href=\"", "\""}), list,
                     source_guid);
    }
    if (entry_end == std::string_view::npos) break;
    entry_start = FindMarker(artists, "<li>", entry_end);
  }
  return true;
}

}  // namespace melodara
