// Search over pages taken from the input, through the lyric source's own table: the search
// page and the artist pages are served by a host object of the test, and everything the
// source hands back is checked against what a search may give.
//
// Input: artist 0x1E title 0x1E search page 0x1E artist page 0x1E artist page ... The search
// address gets the search page; every other download gets the next artist page in turn (no
// artist page: nothing).
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "component/service_impl.h"
#include "fuzz/fuzz_input.h"
#include "host/panel_objects.h"
#include "platform/shared_library/uCallStackTracker.h"
#include "source/my_lyrics_source.h"
#include "tests/text/replace_reference.h"

namespace {

constexpr std::string_view kBase = MELODARA_SITE_BASE_URL;

bool SameArtist(std::string_view listed, std::string_view requested) {
  if (listed.size() != requested.size()) return false;
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (fold(listed[i]) != fold(requested[i])) return false;
  }
  return true;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// What every item of a search holds, whatever the pages were.
void CheckItem(const host::result_item& item, const std::string& artist, const std::string& title) {
  fuzz::Check(item.calls == std::vector<std::string>{"SetSynced", "SetInfo", "SetSource", "SetExtra"},
              "an item gets SetSynced, SetInfo, SetSource and SetExtra, in that order");
  fuzz::Check(item.synced == 0 || item.synced == 1, "synced is 0 or 1");
  const std::string path = std::string(kBase) + (item.synced == 0 ? "/texty-pisni/" : "/karaoke/");
  fuzz::Check(StartsWith(item.second_source, path) && item.second_source.size() > path.size(),
              "the address is a text page for a text item and a karaoke page for a karaoke item");
  fuzz::Check(item.first_source == item.second_source, "both stored addresses are the same");
  fuzz::Check(item.source_guid == my_lyrics_source::source_guid && item.kind == 3 && item.extra == 0,
              "the item carries the source's GUID, 3 and 0");
  fuzz::Check(SameArtist(item.artist, artist), "the item's artist is the requested one, ASCII case aside");
  fuzz::Check(title == "*" || item.title.find(title) != std::string::npos ||
                  title.find(item.title) != std::string::npos,
              "the item's title fits the requested one");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> pieces =
      fuzz::SplitInput(std::string_view(reinterpret_cast<const char*>(data), size), 3);
  const std::string artist = fuzz::UpToNul(pieces[0]);
  const std::string title = fuzz::UpToNul(pieces[1]);
  const std::string search_address =
      std::string(kBase) + "/search?q=" + melodara::reference::UrlEncodeWalk(artist.c_str());
  const std::vector<std::string_view> pages = fuzz::SplitInput(pieces[2], 0);
  const std::string search_page(pages[0]);
  const std::vector<std::string> artist_pages(pages.begin() + 1, pages.end());

  std::size_t next_artist_page = 0;
  host::panel_host host([&](const std::string& address) -> std::optional<std::string> {
    if (address == search_address) return search_page;
    if (artist_pages.empty()) return std::nullopt;
    return artist_pages[next_artist_page++ % artist_pages.size()];
  });
  auto* source = new service_impl_t<my_lyrics_source>;
  lyric_source_base& table = *source;
  table.add_ref();
  host.add_ref();
  table.BindHost(&host);

  host::result_list list;
  list.add_ref();
  const lyric_search_request request{nullptr, artist.c_str(), nullptr, title.c_str()};
  bool found = false;
  bool raised = false;
  try {
    found = table.Search(&request, 0, &list);
  } catch (const std::out_of_range& error) {
    // An artist page without its left column, or a table segment without a table.
    fuzz::Check(std::string_view(error.what()) == "invalid string position", "out_of_range says \"invalid string position\"");
    raised = true;
  }
  fuzz::Check(list.releases() == 1 && list.count() == 1, "the result list is released exactly once");
  fuzz::Check(shared_stack_depth() == 0, "the call-stack scope is closed");
  shared_history_clear();
  fuzz::Check(host.count() == 2, "the bound host keeps exactly the source's reference");

  const std::vector<host::download_record>& downloads = host.downloads();
  fuzz::Check(!downloads.empty() && downloads[0].address == search_address, "the first download is the search address");
  for (const host::download_record& download : downloads) {
    fuzz::Check(download.user_agent == "Mozilla Firefox", "every download says \"Mozilla Firefox\"");
  }
  for (std::size_t index = 1; index < downloads.size(); ++index) {
    const std::string& address = downloads[index].address;
    fuzz::Check(address == kBase || StartsWith(address, std::string(kBase) + "/"),
                "an artist page is a path on the site");
  }
  if (!found && !raised) {
    fuzz::Check(list.items().empty() && downloads.size() == 1, "a search page without an artist list gives nothing");
  }
  for (const auto& item : list.items()) CheckItem(*item, artist, title);

  table.release();
  fuzz::Check(host.count() == 1, "the destroyed source released its host");
  return 0;
}
