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
std::string EraseLineBreakTags(std::string_view lyric, std::size_t room_after) {
  static constexpr std::string_view kTag = "<br />";
  std::string body;
  body.reserve(lyric.size() + room_after);
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
std::optional<std::string> ExtractTextLyric(std::string_view page, std::size_t room_after) {
  const std::string_view element = ExtractBetween(page, 0, {"<p class=\"text\">", "</p>"});
  if (element.empty()) return std::nullopt;
  return EraseLineBreakTags(element, room_after);
}

std::optional<std::string> KaraokeLyric(std::string_view page, std::size_t room_after) {
  std::string body = ConvertKaraokeScript(page, room_after);
  if (body.empty()) return std::nullopt;
  return body;
}

constexpr std::string_view kCreditsSeparator = "\r\n---\r\n";

std::string_view AuthorElement(std::string_view page, bool karaoke) {
  return karaoke ? ExtractBetween(page, 0, {"<p class=\"karaoke_author", ">", "</p>"})
                 : ExtractBetween(page, 0, {"<div class=\"authors", ">", "</div>"});
}

// Appends the separator and the author element as plain text: tags gone, trimmed, runs of
// line feeds turned into the player's line ends, runs of blanks into one; the body before
// it is left alone. An author element can be as long as the page, so the credits are
// cleaned where they end up rather than built aside and copied there.
void AppendCredits(std::string& lyric, std::string_view author_element) {
  const std::size_t credits_start = lyric.size();
  lyric.append(kCreditsSeparator);
  const std::size_t author_start = lyric.size();
  AppendWithoutTags(lyric, author_element);
  const std::string_view author = TrimWhitespace(std::string_view(lyric).substr(author_start));
  const std::size_t blanks_before =
      author.empty() ? lyric.size() - author_start
                     : static_cast<std::size_t>(author.data() - lyric.data()) - author_start;
  lyric.resize(author_start + blanks_before + author.size());
  lyric.erase(author_start, blanks_before);
  ReplaceAll(lyric, "\n\n", "\r\n", true, credits_start);
  ReplaceAll(lyric, "  ", " ", true, credits_start);
}

}  // namespace

bool LoadLyricPage(lyric_source_host& host, lyric_result_item& item) {
  pfc::string8 first_address;
  pfc::string8 address;
  item.GetSource(first_address, address);
  pfc::string8 downloaded;
  const std::string_view page = DownloadSitePage(host, address.get_text(), downloaded);

  const bool karaoke = std::string_view(address.get_text()).find("/karaoke/") != std::string_view::npos;
  const std::string_view author_element = AuthorElement(page, karaoke);
  // The body is made with room for the credits behind it: the text is built in one buffer.
  const std::size_t credits_room = kCreditsSeparator.size() + author_element.size();
  std::optional<std::string> lyric =
      karaoke ? KaraokeLyric(page, credits_room) : ExtractTextLyric(page, credits_room);
  if (!lyric) return false;
  AppendCredits(*lyric, author_element);
  item.SetLyricText(lyric->c_str());
  return true;
}

}  // namespace melodara
