// Every search and every lyric page that the bundled offline site's EXPECTED.md describes,
// through the Windows module, with the call-stack scope watched from the host's downloads.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "checks.h"
#include "host/panel_objects.h"
#include "host/site_directory.h"
#include "runner.h"
#include "source/lyric_source_base.h"
#include "tests/scrape/expected_site.h"

namespace wine_checks {
namespace {

std::string describe(int synced, const std::string& artist, const std::string& album, const std::string& title,
                     const std::string& address) {
  return std::to_string(synced) + " | " + artist + " | " + album + " | " + title + " | " + address + "\n";
}

std::string describe(const scrape::item_view& item) {
  return describe(item.synced, item.artist, item.album, item.title, item.address);
}

// The lyrics panel's side of one source bound to the offline site.
class site_panel {
 public:
  explicit site_panel(const context& run)
      : run_(run),
        pages_(host::pages_from_site_directory(run.files.site, scrape::kSiteBaseUrl)),
        host_([this](const std::string& address) {
          // The scope of the operation that downloads is open while the host works.
          scopes_at_download_ += std::to_string(run_.shared.depth()) + " " + run_.shared.label(0) + "; ";
          return pages_(address);
        }) {
    service_ptr_t<service_base> made = run.module.create(lyric_source_base::class_guid);
    source_ = service_ptr_t<lyric_source_base>::adopt(static_cast<lyric_source_base*>(made.detach()));
    host_.add_ref();
    source_->BindHost(&host_);
  }

  void check_search(const scrape::expected_search& expected) {
    host::result_list list;
    list.add_ref();
    const lyric_search_request request{nullptr, expected.artist.c_str(), nullptr, expected.title.c_str()};
    run_.shared.clear_history();
    CHECK_EQ(source_->Search(&request, 0, &list), expected.found);
    CHECK_EQ(list.count(), 1);
    CHECK_EQ(run_.shared.history().size(), 1u);
    CHECK_EQ(run_.shared.depth(), 0u);

    std::string addresses, scopes;
    for (const host::download_record& download : host_.downloads()) addresses += download.address + "\n";
    std::string expected_addresses = scrape::site(expected.search_path) + "\n";
    for (const std::string& page : expected.artist_pages) {
      expected_addresses += scrape::site(page) + "\n";
      scopes += "1 my_lyrics_source::Search; ";
    }
    CHECK_EQ(addresses, expected_addresses);
    CHECK_EQ(scopes_at_download_, "1 my_lyrics_source::Search; " + scopes);

    CHECK_EQ(list.items().size(), expected.item_count);
    for (const auto& [position, item] : expected.items) {
      if (position > list.items().size()) continue;
      const host::result_item& found = *list.items()[position - 1];
      CHECK_EQ(describe(found.synced, found.artist, found.album, found.title, found.second_source), describe(item));
    }
  }

  void check_lyric(const scrape::expected_lyric& expected) {
    host::result_item item;
    item.first_source = item.second_source = scrape::site(expected.path);
    CHECK(source_->LoadLyric(&item));
    const std::string lyric = item.lyric.value_or("(no lyric)");
    CHECK_EQ(host_.downloads().size(), 1u);
    if (expected.text) {
      CHECK_EQ(lyric, *expected.text);
      return;
    }
    CHECK_EQ(lyric.size(), expected.size->bytes);
    CHECK_EQ(static_cast<std::size_t>(std::count(lyric.begin(), lyric.end(), '\n')), expected.size->line_feeds);
    CHECK_EQ(static_cast<std::size_t>(std::count(lyric.begin(), lyric.end(), '\r')),
             expected.size->carriage_returns);
    CHECK_EQ(lyric.substr(0, expected.begins.size()), expected.begins);
    CHECK_EQ(lyric.substr(lyric.size() - std::min(lyric.size(), expected.ends.size())), expected.ends);
  }

 private:
  const context& run_;
  host::page_source pages_;
  std::string scopes_at_download_;
  // Declared after what it reads; outlives the source, which holds a reference to it.
  host::panel_host host_;
  service_ptr_t<lyric_source_base> source_;
};

}  // namespace

void check_fixture_site(const context& run) {
  const scrape::expected_site expected = scrape::ReadExpectedSite(run.files.site + "/EXPECTED.md");
  CHECK(!expected.searches.empty());
  CHECK(!expected.lyrics.empty());
  for (const scrape::expected_search& search : expected.searches) site_panel(run).check_search(search);
  for (const scrape::expected_lyric& lyric : expected.lyrics) site_panel(run).check_lyric(lyric);
}

}  // namespace wine_checks
