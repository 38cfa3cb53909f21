// Errors that end a search or a load: they reach the panel as they were raised, the items
// added before them stay in the list, and the search has still closed its call-stack scope
// and let go of the list by the time the panel sees the error (the fixture's search() checks
// the list on every way out).
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "scrape_fixture.h"

namespace scrape {
namespace {

// An error of the panel's own downloader, of a type the component cannot know.
class connection_lost : public std::exception {
 public:
  const char* what() const noexcept override { return "connection reset by peer"; }
};

// Three entries for the same artist; the second is the one that goes wrong.
const std::string kThreeEntries = search_page_listing(
    "<li><a href=\"/interpreti/anna\">Anna Berg</a></li>"
    "<li><a href=\"/interpreti/anna-2\">Anna Berg</a></li>"
    "<li><a href=\"/interpreti/anna-3\">Anna Berg</a></li>");

const std::string kOneSongPage =
    "<div id=\"left_column\"><table><tr><td><a href=\"/texty-pisni/one\">Song One</a></td></tr></table></div>";

const item_view kFirstArtistsItem = text_item("Anna Berg", "", "Song One", "/texty-pisni/one");

struct failing_download_case {
  const char* name;
  std::string failing_path;
  std::vector<item_view> items_kept;
  std::vector<std::string> downloaded;
};

void PrintTo(const failing_download_case& test_case, std::ostream* out) { *out << test_case.name; }

class failing_download_test : public scrape_test, public ::testing::WithParamInterface<failing_download_case> {};

TEST_P(failing_download_test, ErrorPassesOutUnchanged) {
  const failing_download_case& test_case = GetParam();
  serve([&](const std::string& address) -> std::optional<std::string> {
    if (address == site(test_case.failing_path)) throw connection_lost();
    if (address == site("/search?q=Anna+Berg")) return kThreeEntries;
    return kOneSongPage;
  });
  try {
    search("Anna Berg", "Song One");
    ADD_FAILURE() << "the download error did not reach the panel";
  } catch (const connection_lost& error) {
    EXPECT_EQ(shared_stack_depth(), 0u);
    EXPECT_STREQ(error.what(), "connection reset by peer");
  }
  EXPECT_EQ(items(), test_case.items_kept);
  std::vector<std::string> expected_downloads;
  for (const std::string& path : test_case.downloaded) expected_downloads.push_back(site(path));
  EXPECT_EQ(downloads(), expected_downloads);
}

INSTANTIATE_TEST_SUITE_P(
    Downloads, failing_download_test,
    ::testing::Values(failing_download_case{"SearchPage", "/search?q=Anna+Berg", {}, {"/search?q=Anna+Berg"}},
                      failing_download_case{"LaterArtistPage",
                                            "/interpreti/anna-2",
                                            {kFirstArtistsItem},
                                            {"/search?q=Anna+Berg", "/interpreti/anna", "/interpreti/anna-2"}}),
    case_name());

struct broken_artist_page_case {
  const char* name;
  std::optional<std::string> page;  // nothing: the download leaves its output empty
  std::vector<item_view> items_kept;
};

void PrintTo(const broken_artist_page_case& test_case, std::ostream* out) { *out << test_case.name; }

class broken_artist_page_test : public scrape_test,
                                public ::testing::WithParamInterface<broken_artist_page_case> {};

// A page that lacks what the scan needs ends the whole search, also the entries after it.
TEST_P(broken_artist_page_test, EndsTheSearchWithOutOfRange) {
  const broken_artist_page_case& test_case = GetParam();
  serve([&](const std::string& address) -> std::optional<std::string> {
    if (address == site("/search?q=Anna+Berg")) return kThreeEntries;
    if (address == site("/interpreti/anna-2")) return test_case.page;
    return kOneSongPage;
  });
  try {
    search("Anna Berg", "Song");
    ADD_FAILURE() << "the broken page did not end the search";
  } catch (const std::out_of_range& error) {
    EXPECT_EQ(shared_stack_depth(), 0u);
    EXPECT_STREQ(error.what(), "invalid string position");
  }
  EXPECT_EQ(items(), test_case.items_kept);
  EXPECT_EQ(downloads(), (std::vector<std::string>{site("/search?q=Anna+Berg"), site("/interpreti/anna"),
                                                   site("/interpreti/anna-2")}));
}

INSTANTIATE_TEST_SUITE_P(
    ArtistPages, broken_artist_page_test,
    ::testing::Values(
        broken_artist_page_case{"EmptyPage", std::nullopt, {kFirstArtistsItem}},
        broken_artist_page_case{
            "NoLeftColumn",
            "<div id=\"content\"><table><tr><td><a href=\"/texty-pisni/two\">Song Two</a></td></tr></table></div>",
            {kFirstArtistsItem}},
        broken_artist_page_case{"SegmentWithoutTable",
                                "<div id=\"left_column\"><div class=\"album_cover_box\"><strong>A</strong></div>"
                                "</table></div>",
                                {kFirstArtistsItem}},
        // The outer table's rows before the inner table end are scanned before the error.
        broken_artist_page_case{
            "NestedTables",
            "<div id=\"left_column\"><table><tr><td><a href=\"/texty-pisni/two\">Song Two</a></td></tr>"
            "<tr><td><table><tr><td>inner</td></tr></table></td></tr></table></div>",
            {kFirstArtistsItem, text_item("Anna Berg", "", "Song Two", "/texty-pisni/two")}}),
    case_name());

TEST_F(scrape_test, LoadDownloadErrorPassesOutUnchanged) {
  serve([](const std::string&) -> std::optional<std::string> { throw connection_lost(); });
  host::result_item item;
  item.second_source = site("/texty-pisni/one");
  try {
    source->LoadLyric(&item);
    ADD_FAILURE() << "the download error did not reach the panel";
  } catch (const connection_lost& error) {
    EXPECT_STREQ(error.what(), "connection reset by peer");
  }
  EXPECT_EQ(item.calls, std::vector<std::string>{"GetSource"});
}

}  // namespace
}  // namespace scrape
