// The search page: which artist entries a search follows, told by the artist pages it then
// downloads. Every artist page served here has an empty left column, so no entry adds items
// and each followed entry shows as exactly one download.
#include <string>
#include <vector>

#include "scrape_fixture.h"

namespace scrape {
namespace {

using namespace std::string_literals;

struct search_page_case {
  const char* name;
  std::string page;
  std::string artist;
  bool found;
  std::vector<std::string> artist_pages;  // after the site's base address, in download order
};

void PrintTo(const search_page_case& test_case, std::ostream* out) { *out << test_case.name; }

const std::string kAnna = "<li><a href=\"/interpreti/anna\">Anna Berg</a></li>";

const std::vector<search_page_case> kSearchPages = {
    {"EmptyPage", "", "Anna Berg", false, {}},
    {"NoArtistList", "<ul class='song'>" + kAnna + "</ul>", "Anna Berg", false, {}},
    {"ArtistListNeverClosed", "<ul class='artist'>" + kAnna, "Anna Berg", false, {}},
    {"ClosingTagOnlyBeforeTheList", "<ul class='menu'></ul><ul class='artist'>" + kAnna, "Anna Berg", false, {}},
    {"ListWithoutEntries", "<ul class='artist'><p>Nic nenalezeno</p></ul>", "Anna Berg", true, {}},
    {"ListEndsAtItsFirstClosingTag",
     "<ul class='artist'><li><a href=\"/interpreti/bob\">Bob</a></li></ul><ul>" + kAnna + "</ul>", "Anna Berg",
     true, {}},
    {"AsciiCapitalsFold", search_page_listing("<li><a href=\"/interpreti/anna\">ANNA berg</a></li>"),
     "anna BERG", true, {"/interpreti/anna"}},
    {"NonAsciiCapitalsDoNotFold", search_page_listing("<li><a href=\"/interpreti/capek\">Čapek</a></li>"),
     "čapek", true, {}},
    {"NonAsciiLettersMatchByteForByte",
     search_page_listing("<li><a href=\"/interpreti/capek\">Čapek</a></li>"), "ČAPEK", true,
     {"/interpreti/capek"}},
    {"MarkupInTheLinkTextIsCompared",
     search_page_listing("<li><a href=\"/interpreti/anna\"><b>Anna Berg</b></a></li>"), "Anna Berg", true, {}},
    {"MarkupMatchesOnlyMarkup",
     search_page_listing("<li><a href=\"/interpreti/anna\"><b>Anna Berg</b></a></li>"), "<b>Anna Berg</b>", true,
     {"/interpreti/anna"}},
    {"WhitespaceAroundTheNameIsIgnored",
     search_page_listing("<li><a href=\"/interpreti/anna\">\n\t  Anna Berg \r\n</a></li>"), "Anna Berg", true,
     {"/interpreti/anna"}},
    {"BlanksInsideTheNameAreCompared",
     search_page_listing("<li><a href=\"/interpreti/anna\">Anna  Berg</a></li>"), "Anna Berg", true, {}},
    {"RequestedArtistIsNotTrimmed", search_page_listing(kAnna), "Anna Berg ", true, {}},
    {"LongerNameDoesNotMatch", search_page_listing("<li><a href=\"/interpreti/anna\">Anna Bergova</a></li>"),
     "Anna Berg", true, {}},
    {"NameIsTheFirstLinkOfTheEntry",
     search_page_listing("<li><a href=\"/interpreti/anna\" class=\"artist\">Anna Berg</a> "
                         "<a href=\"/interpreti/bob\">Bob</a></li>"),
     "Bob", true, {}},
    {"EveryMatchingEntryInListOrder",
     search_page_listing("<li><a href=\"/interpreti/b\">Anna Berg</a></li>"
                         "<li><a href=\"/interpreti/x\">Bob</a></li>"
                         "<li><a href=\"/interpreti/a\">anna berg</a></li>"
                         "<li><a href=\"/interpreti/b\">ANNA BERG</a></li>"),
     "Anna Berg", true, {"/interpreti/b", "/interpreti/a", "/interpreti/b"}},
    {"LastEntryWithoutClosingTag",
     search_page_listing("<li><a href=\"/interpreti/bob\">Bob</a></li><li><a href=\"/interpreti/anna\">Anna Berg</a>"),
     "Anna Berg", true, {"/interpreti/anna"}},
    {"EntryAddressAsWritten",
     search_page_listing("<li><a href=\"/interpreti/anna?x=1&amp;y=%C5%98\">Anna Berg</a></li>"), "Anna Berg", true,
     {"/interpreti/anna?x=1&amp;y=%C5%98"}},
    {"EntryWithoutLinkMatchesNoNamedArtist", search_page_listing("<li>Anna Berg</li>"), "Anna Berg", true, {}},
    {"EntryWithoutLinkMatchesTheEmptyArtistAtTheSiteItself", search_page_listing("<li>Anna Berg</li>"), "", true,
     {""}},
    {"EmptyAddressIsTheSiteItself", search_page_listing("<li><a href=\"\">Anna Berg</a></li>"), "Anna Berg", true,
     {""}},
    {"AddressOffTheSiteIsNotFollowed",
     search_page_listing("<li><a href=\"@other.example/x\">Anna Berg</a></li>"
                         "<li><a href=\".other.example/x\">Anna Berg</a></li>"
                         "<li><a href=\":8080/x\">Anna Berg</a></li>"
                         "<li><a href=\"interpreti/anna\">Anna Berg</a></li>"
                         "<li><a href=\"/interpreti/anna\">Anna Berg</a></li>"),
     "Anna Berg", true, {"/interpreti/anna"}},
    {"PageIsReadUpToItsFirstNul", "<ul class='artist'>" + kAnna + "\0</ul>"s, "Anna Berg", false, {}},
};

class search_page_test : public scrape_test, public ::testing::WithParamInterface<search_page_case> {};

TEST_P(search_page_test, FollowsTheMatchingEntries) {
  const search_page_case& test_case = GetParam();
  const std::string search_prefix = site("/search?q=");
  serve([&](const std::string& address) {
    return address.rfind(search_prefix, 0) == 0 ? test_case.page : "<div id=\"left_column\"></div>";
  });

  EXPECT_EQ(search(test_case.artist, "Any title"), test_case.found);

  const std::vector<std::string> made = downloads();
  ASSERT_FALSE(made.empty());
  EXPECT_EQ(made.front().rfind(search_prefix, 0), 0u) << made.front();
  std::vector<std::string> expected_artist_pages;
  for (const std::string& path : test_case.artist_pages) expected_artist_pages.push_back(site(path));
  EXPECT_EQ(std::vector<std::string>(made.begin() + 1, made.end()), expected_artist_pages);
  EXPECT_TRUE(items().empty());
}

INSTANTIATE_TEST_SUITE_P(SearchPages, search_page_test, ::testing::ValuesIn(kSearchPages),
                         case_name());

// The query names the artist alone, in the site's encoding; the title never reaches it.
TEST_F(scrape_test, SearchAddressCarriesTheEncodedArtistOnly) {
  serve(host::pages_from_map({}));
  EXPECT_FALSE(search("Anna Berg", "Song One"));
  EXPECT_FALSE(search("Čápek & Co.", "Song"));
  EXPECT_FALSE(search("", "Song"));
  EXPECT_EQ(downloads(), (std::vector<std::string>{site("/search?q=Anna+Berg"),
                                                   site("/search?q=%C4%8C%C3%A1pek+%26+Co%2E"),
                                                   site("/search?q=")}));
}

}  // namespace
}  // namespace scrape
