// The bundled offline site: every search and every lyric page that EXPECTED.md describes,
// served from its directory through its index, and one search followed call by call.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "expected_site.h"
#include "host/site_directory.h"
#include "scrape_fixture.h"

namespace scrape {
namespace {

const std::string kSiteDirectory = MELODARA_SITE_DIR;

const expected_site& Expected() {
  static const expected_site expected = ReadExpectedSite(kSiteDirectory + "/EXPECTED.md");
  return expected;
}

class fixture_site_test : public scrape_test {
 protected:
  fixture_site_test() { serve(host::pages_from_site_directory(kSiteDirectory, kSiteBaseUrl)); }
};

std::vector<std::string> CallStackHistory() {
  std::vector<std::string> labels;
  for (std::size_t i = 0; i < shared_history_size(); ++i) labels.emplace_back(shared_history_label(i));
  return labels;
}

// One search as the panel sees it, without the fixture's summaries.
TEST_F(fixture_site_test, SearchNamesItselfDownloadsAsABrowserAndFillsEachItemInOrder) {
  shared_history_clear();
  EXPECT_TRUE(search("Milena Řezníčková", "Pod lípou"));
  EXPECT_EQ(CallStackHistory(), std::vector<std::string>{"my_lyrics_source::Search"});
  EXPECT_EQ(shared_stack_depth(), 0u);

  const std::vector<host::download_record>& downloads = host_->downloads();
  ASSERT_EQ(downloads.size(), 3u);
  EXPECT_EQ(downloads[0].address, site("/search?q=Milena+%C5%98ezn%C3%AD%C4%8Dkov%C3%A1"));
  EXPECT_EQ(downloads[1].address, site("/interpreti/milena-reznickova"));
  EXPECT_EQ(downloads[2].address, site("/interpreti/milena-reznickova-1"));
  for (const host::download_record& download : downloads) EXPECT_EQ(download.user_agent, "Mozilla Firefox");

  ASSERT_EQ(list.items().size(), 5u);
  const host::result_item& text = *list.items()[0];
  EXPECT_EQ(text.calls, (std::vector<std::string>{"SetSynced", "SetInfo", "SetSource", "SetExtra"}));
  EXPECT_EQ(text.synced, 0);
  EXPECT_EQ(text.artist, "Milena Řezníčková");
  EXPECT_EQ(text.album, "Řeka v nás");
  EXPECT_EQ(text.title, "Pod lípou");
  EXPECT_EQ(text.first_source, site("/texty-pisni/milena-reznickova-pod-lipou"));
  EXPECT_EQ(text.second_source, site("/texty-pisni/milena-reznickova-pod-lipou"));
  EXPECT_EQ(text.source_guid, kSourceGuid);
  EXPECT_EQ(text.kind, 3);
  EXPECT_EQ(text.extra, 0);
  EXPECT_FALSE(text.lyric.has_value());

  const host::result_item& karaoke = *list.items()[1];
  EXPECT_EQ(karaoke.calls, text.calls);
  EXPECT_EQ(karaoke.synced, 1);
  EXPECT_EQ(karaoke.first_source, site("/karaoke/milena-reznickova-pod-lipou"));
  EXPECT_EQ(karaoke.second_source, site("/karaoke/milena-reznickova-pod-lipou"));
  EXPECT_EQ(karaoke.source_guid, kSourceGuid);
}

class expected_search_test : public fixture_site_test, public ::testing::WithParamInterface<expected_search> {};

TEST_P(expected_search_test, GivesTheDocumentedItems) {
  const expected_search& expected = GetParam();
  EXPECT_EQ(search(expected.artist, expected.title), expected.found);

  std::vector<std::string> expected_downloads = {site(expected.search_path)};
  for (const std::string& path : expected.artist_pages) expected_downloads.push_back(site(path));
  EXPECT_EQ(downloads(), expected_downloads);

  const std::vector<item_view> found = items();
  if (expected.items.size() == expected.item_count) {
    std::vector<item_view> all;
    for (const auto& numbered : expected.items) all.push_back(numbered.second);
    EXPECT_EQ(found, all);
    return;
  }
  ASSERT_EQ(found.size(), expected.item_count);
  for (const auto& [position, item] : expected.items) EXPECT_EQ(found.at(position - 1), item) << "item " << position;
}

INSTANTIATE_TEST_SUITE_P(ExpectedMd, expected_search_test, ::testing::ValuesIn(Expected().searches),
                         [](const auto& param_info) { return "Search" + std::to_string(param_info.index + 1); });

class expected_lyric_test : public fixture_site_test, public ::testing::WithParamInterface<expected_lyric> {};

TEST_P(expected_lyric_test, HandsOverTheDocumentedText) {
  const expected_lyric& expected = GetParam();
  const std::optional<std::string> lyric = load(site(expected.path));
  ASSERT_TRUE(lyric.has_value());
  if (expected.text) {
    EXPECT_EQ(*lyric, *expected.text);
    return;
  }
  EXPECT_EQ(lyric->size(), expected.size->bytes);
  EXPECT_EQ(static_cast<std::size_t>(std::count(lyric->begin(), lyric->end(), '\n')), expected.size->line_feeds);
  EXPECT_EQ(static_cast<std::size_t>(std::count(lyric->begin(), lyric->end(), '\r')),
            expected.size->carriage_returns);
  EXPECT_EQ(lyric->substr(0, expected.begins.size()), expected.begins);
  EXPECT_EQ(lyric->substr(lyric->size() - std::min(lyric->size(), expected.ends.size())), expected.ends);
}

// Test names from the page's address: its letters and digits, the rest as "_".
std::string NameOfPath(const std::string& path) {
  std::string name;
  for (const char c : path.substr(1)) name.push_back(std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(ExpectedMd, expected_lyric_test, ::testing::ValuesIn(Expected().lyrics),
                         [](const auto& param_info) { return NameOfPath(param_info.param.path); });

// The index's files by kind of page, each with the addresses that serve it.
std::vector<std::pair<std::string, std::string>> IndexedPages() {
  std::ifstream in(kSiteDirectory + "/index.tsv");
  std::vector<std::pair<std::string, std::string>> pages;
  for (std::string line; std::getline(in, line);) {
    const auto tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
    pages.emplace_back(line.substr(0, tab), line.substr(tab + 1));
  }
  return pages;
}

// A page that the document leaves out would be tested by nothing.
TEST(fixture_site_coverage, EveryPageOfTheSiteIsDocumented) {
  std::set<std::string> documented;
  for (const expected_search& search : Expected().searches) {
    documented.insert(search.search_path);
    documented.insert(search.artist_pages.begin(), search.artist_pages.end());
  }
  for (const expected_lyric& lyric : Expected().lyrics) documented.insert(lyric.path);

  std::set<std::string> files, documented_files;
  for (const auto& [address, file] : IndexedPages()) {
    files.insert(file);
    if (documented.count(address) != 0) documented_files.insert(file);
  }
  EXPECT_FALSE(files.empty());
  EXPECT_EQ(documented_files, files);
}

}  // namespace
}  // namespace scrape
