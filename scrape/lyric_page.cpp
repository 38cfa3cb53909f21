#include "scrape/lyric_page.h"

#include <optional>
#include <string>
#include <string_view>

#include "scrape/karaoke.h"
#include "scrape/site.h"
#include "text/text_helpers.h"

namespace melodara {
namespace {

// The lyric without any "<br />": also two written together ("A<br /><br />B" gives "AB"),
// and one that only the removal of another puts together ("<br<br /> />"). The result is
// used as a stack: only a ">" can complete a tag, so the tail is checked there alone.
std::string EraseLineBreakTags(std::string_view lyric) {
  static constexpr std::string_view kTag = "<br />";
  std::string body;
  body.reserve(lyric.size());
  while (!lyric.empty()) {
    const std::size_t close = lyric.find('>');
    const std::size_t take = close == std::string_view::npos ? lyric.size() : close + 1;
    body.append(lyric.substr(0, take));
    lyric.remove_prefix(take);
    if (body.size() >= kTag.size() && std::string_view(body).substr(body.size() - kTag.size()) == kTag) {
      body.resize(body.size() - kTag.size());
    }
  }
  return body;
}

// The lyric element of a text page, without its line-break tags: the page's own line breaks
// after them separate the lines. Nothing when the page has no lyric element or an empty one.
std::optional<std::string> ExtractTextLyric(std::string_view page) {
  const std::string_view element = ExtractBetween(page, 0, {"<p class=\"text\">", "</p>"});
  if (element.empty()) return std::nullopt;
  return EraseLineBreakTags(element);
}

std::optional<std::string> KaraokeLyric(std::string_view page) {
  std::string body = ConvertKaraokeScript(page);
  if (body.empty()) return std::nullopt;
  return body;
}

// The separator and the page's author element as plain text: tags gone, runs of line feeds
// turned into the player's line ends, runs of blanks into one.
std::string BuildCredits(std::string_view page, bool karaoke) {
  const std::string_view element =
      karaoke ? ExtractBetween(page, 0, {"<p class=\"karaoke_author", ">", "</p>"})
              : ExtractBetween(page, 0, {"<div class=\"authors", ">", "</div>"});
  const std::string stripped = StripTags(element);
  const std::string_view author = TrimWhitespace(stripped);
  std::string credits = "\r\n---\r\n";
  credits.append(author);
  ReplaceAll(credits, "\n\n", "\r\n", true);
  ReplaceAll(credits, "  ", " ", true);
  return credits;
}

}  // namespace

bool LoadLyricPage(lyric_source_host& host, lyric_result_item& item) {
  pfc::string8 first_address;
  pfc::string8 address;
  item.GetSource(first_address, address);
  pfc::string8 downloaded;
  const std::string_view page = DownloadSitePage(host, address.get_text(), downloaded);

  const bool karaoke = std::string_view(address.get_text()).find("/karaoke/") != std::string_view::npos;
  std::optional<std::string> lyric = karaoke ? KaraokeLyric(page) : ExtractTextLyric(page);
  if (!lyric) return false;
  lyric->append(BuildCredits(page, karaoke));
  item.SetLyricText(lyric->c_str());
  return true;
}

}  // namespace melodara
