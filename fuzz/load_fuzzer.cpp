// LoadLyric on a page taken from the input, through the lyric source's own table, compared
// byte for byte with the same steps done by the literal reference walks of the text helpers.
//
// Input: one byte whose lowest bit picks the page kind (0 text, 1 karaoke), then the page.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "component/service_impl.h"
#include "fuzz/fuzz_input.h"
#include "host/panel_objects.h"
#include "source/my_lyrics_source.h"
#include "tests/text/replace_reference.h"

namespace {

namespace ref = melodara::reference;

// The body loses every "<br />", also one that only the removal of others puts together
// ("<br /<br />>" loses both): removed one at a time, each search going back over the five
// bytes before the removal, which may begin a new one.
std::optional<std::string> ExpectedTextBody(const std::string& page) {
  static const std::string kTag = "<br />";
  std::string body = ref::ExtractBetweenWalk(page, 0, {"<p class=\"text\">", "</p>"});
  if (body.empty()) return std::nullopt;
  for (std::size_t at = body.find(kTag); at != std::string::npos;
       at = body.find(kTag, at < kTag.size() - 1 ? 0 : at - (kTag.size() - 1))) {
    body.erase(at, kTag.size());
  }
  return body;
}

std::optional<std::string> ExpectedKaraokeBody(const std::string& page) {
  std::string lines = ref::TrimWhitespaceWalk(ref::ExtractBetweenWalk(page, 0, {"var syltG", "new Array(", ");"}));
  if (lines.empty()) return std::nullopt;
  lines += ", ";
  ref::ReplaceAllWalk(lines, "new Array(\"", "[", false);
  ref::ReplaceAllWalk(lines, "\", \"", "]", false);
  ref::ReplaceAllWalk(lines, "\"), ", "\r\n", false);
  return lines;
}

std::string ExpectedCredits(const std::string& page, bool karaoke) {
  const std::string element =
      karaoke ? ref::ExtractBetweenWalk(page, 0, {"<p class=\"karaoke_author", ">", "</p>"})
              : ref::ExtractBetweenWalk(page, 0, {"<div class=\"authors", ">", "</div>"});
  std::string credits = "\r\n---\r\n" + ref::TrimWhitespaceWalk(ref::StripTagsWalk(element));
  ref::ReplaceAllWalk(credits, "\n\n", "\r\n", true);
  ref::ReplaceAllWalk(credits, "  ", " ", true);
  return credits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool karaoke = (data[0] & 1) != 0;
  const std::string page(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string address =
      std::string(MELODARA_SITE_BASE_URL) + (karaoke ? "/karaoke/fuzz" : "/texty-pisni/fuzz");

  host::panel_host host(host::pages_from_map({{address, page}}));
  auto* source = new service_impl_t<my_lyrics_source>;
  lyric_source_base& table = *source;
  table.add_ref();
  host.add_ref();
  table.BindHost(&host);

  host::result_item item;
  item.first_source = item.second_source = address;
  const bool loaded = table.LoadLyric(&item);

  // The host hands the page over as a C string: the component sees it up to its first NUL.
  const std::string seen = fuzz::UpToNul(page);
  const std::optional<std::string> body = karaoke ? ExpectedKaraokeBody(seen) : ExpectedTextBody(seen);
  fuzz::Check(loaded == body.has_value(), "LoadLyric is true exactly when the page holds a lyric");
  fuzz::Check(host.downloads().size() == 1 && host.downloads()[0].address == address &&
                  host.downloads()[0].user_agent == "Mozilla Firefox",
              "one download of the item's address");
  if (loaded) {
    fuzz::Check(item.calls == std::vector<std::string>{"GetSource", "SetLyricText"}, "GetSource, then SetLyricText");
    fuzz::Check(item.lyric == *body + ExpectedCredits(seen, karaoke), "the lyric text is the body and the credits");
  } else {
    fuzz::Check(item.calls == std::vector<std::string>{"GetSource"}, "no text for a page without a lyric");
  }

  table.release();
  fuzz::Check(host.count() == 1, "the destroyed source released its host");
  return 0;
}
