#include "scrape/artist_page.h"

#include <cstring>
#include <string>

#include "scrape/site.h"
#include "text/find_marker.h"
#include "text/text_helpers.h"

namespace melodara {
namespace {

constexpr std::string_view kLyricLink = "<a href=\"/texty-pisni/";
constexpr std::string_view kKaraokeLink = "<a href=\"/karaoke/";
constexpr std::string_view kTableEnd = "</table>";
constexpr std::string_view kRowEnd = "</tr>";

// What every item of one artist page shares.
struct item_context {
  lyric_result_list& list;
  const GUID& source_guid;
  const std::string& artist;
};

void AddResultItem(const item_context& context, std::int32_t synced, const std::string& album,
                   const std::string& title, const std::string& address) {
  lyric_result_item* item = context.list.NewItem();
  item->SetSynced(synced);
  item->SetInfo(context.artist.c_str(), album.c_str(), title.c_str());
  item->SetSource(address.c_str(), address.c_str(), context.source_guid, 3);
  item->SetExtra(0);
}

// A row fits when the user asked for every song, or when either title contains the other:
// the site adds and drops suffixes such as "(live)" freely. Bytes are compared as written.
bool TitleFits(std::string_view requested, std::string_view song) {
  return requested == "*" || song.find(requested) != std::string_view::npos ||
         requested.find(song) != std::string_view::npos;
}

// A table is named by the album box in its segment or, without one, by its left header cell,
// whose text may sit inside a tag such as a link.
std::string_view AlbumName(std::string_view segment) {
  const std::size_t box = FindMarker(segment, "<div class=\"album_cover_box");
  if (box != std::string_view::npos) return ExtractBetween(segment, box, {"<strong>", "</strong>"});
  const std::string_view header = ExtractBetween(segment, 0, {"<th class=\"left", ">", "</th>"});
  const std::size_t tag_end = header.find('>');
  if (tag_end == std::string_view::npos) return header;
  return ExtractBetween(header, tag_end, {">", "</"});
}

std::string SiteAddress(std::string_view path, std::string_view rest) {
  std::string address;
  address.reserve(SiteBaseUrl.size() + path.size() + rest.size());
  address.append(SiteBaseUrl).append(path).append(rest);
  return address;
}

void ScanRows(const item_context& context, std::string_view rows, const std::string& album,
              std::string_view requested_title) {
  std::size_t row_start = 0;
  for (std::size_t row_end = FindMarker(rows, kRowEnd); row_end != std::string_view::npos;
       row_end = FindMarker(rows, kRowEnd, row_start)) {
    const std::string_view row = rows.substr(row_start, row_end - row_start);
    row_start = row_end + kRowEnd.size();
    // Both cuts of the lyric link start where the link is (nowhere: both are empty).
    const std::size_t lyric_link = FindMarker(row, kLyricLink);
    const std::string_view song = ExtractBetween(row, lyric_link, {kLyricLink, ">", "</a>"});
    if (!TitleFits(requested_title, song)) continue;
    const std::string title(song);
    const std::string_view lyric = ExtractBetween(row, lyric_link, {kLyricLink, "\""});
    if (!lyric.empty()) AddResultItem(context, 0, album, title, SiteAddress("/texty-pisni/", lyric));
    const std::string_view karaoke = ExtractBetween(row, 0, {kKaraokeLink, "\""});
    if (!karaoke.empty()) AddResultItem(context, 1, album, title, SiteAddress("/karaoke/", karaoke));
  }
}

}  // namespace

void ScanArtistPage(lyric_source_host& host, const char* requested_title, std::string_view artist,
                    std::string_view entry_address, lyric_result_list& list, const GUID& source_guid) {
  // The address is appended to the base address as it stands: anything but a path on the site
  // ("@other.example/x", ":8080/x") would send the download to another host.
  if (!entry_address.empty() && entry_address.front() != '/') return;
  pfc::string8 address;
  address.set_text(SiteBaseUrl.data(), SiteBaseUrl.size());
  address.append_text(entry_address.data(), entry_address.size());
  pfc::string8 downloaded;
  const std::string_view page = DownloadSitePage(host, address.get_text(), downloaded);

  const std::size_t left = FindMarker(page, "<div id=\"left_column");
  if (left == std::string_view::npos) ThrowInvalidPosition();
  std::string_view region = page.substr(left);
  region = region.substr(0, FindMarker(region, "<div id=\"right_column"));

  const std::string artist_text(artist);
  const item_context context{list, source_guid, artist_text};
  const std::string_view title(requested_title);
  // Each segment runs from the end of the previous table up to the next "</table>", so an album
  // box or header cell that stands before a table names it.
  std::size_t segment_start = 0;
  for (std::size_t table_end = FindMarker(region, kTableEnd); table_end != std::string_view::npos;
       table_end = FindMarker(region, kTableEnd, segment_start)) {
    const std::string_view segment = region.substr(segment_start, table_end - segment_start);
    segment_start = table_end + kTableEnd.size();
    const std::string album(AlbumName(segment));
    const std::size_t table = FindMarker(segment, "<table");
    if (table == std::string_view::npos) ThrowInvalidPosition();
    ScanRows(context, segment.substr(table), album, title);
  }
}

}  // namespace melodara
