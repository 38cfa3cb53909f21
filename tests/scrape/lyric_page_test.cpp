// Text lyric pages: the body cut from the lyric element, the credits block made from the
// author element, and which pages count as karaoke pages.
#include <optional>
#include <string>
#include <vector>

#include "scrape_fixture.h"

namespace scrape {
namespace {

using namespace std::string_literals;

struct lyric_case {
  const char* name;
  std::string page;
  std::optional<std::string> lyric;  // the whole text handed to the item; nothing: no lyric
};

void PrintTo(const lyric_case& test_case, std::ostream* out) { *out << test_case.name; }

// A text page around its lyric element and its author element.
std::string text_page(const std::string& lyric_element, const std::string& author_element) {
  return "<html><body><h1>Song One</h1>\n" + lyric_element + "\n<div class=\"song_info\">\n" + author_element +
         "\n</div></body></html>";
}

std::string lyric_element(const std::string& body) { return "<p class=\"text\">" + body + "</p>"; }

std::string authors(const std::string& text) { return "<div class=\"authors\">" + text + "</div>"; }

const std::vector<lyric_case> kBodies = {
    {"LineBreakTagsGoThePageLineBreaksStay", text_page(lyric_element("A<br />\nB<br />\n"), ""),
     "A\nB\n" + kCreditsSeparator},
    {"TagsWrittenTogetherAllGo", text_page(lyric_element("A<br /><br />B<br /><br /><br />C"), ""),
     "ABC" + kCreditsSeparator},
    {"TagMadeByARemovalGoesToo", text_page(lyric_element("A<br<br /> />B"), ""), "AB" + kCreditsSeparator},
    {"VerseBreakLine", text_page(lyric_element("A<br />\n<br />\nB"), ""), "A\n\nB" + kCreditsSeparator},
    {"OtherTagsAndReferencesStay", text_page(lyric_element("<i>Ref.:</i> Rock &amp; Roll<br>x<br/>"), ""),
     "<i>Ref.:</i> Rock &amp; Roll<br>x<br/>" + kCreditsSeparator},
    {"BodyIsNotTrimmed", text_page(lyric_element("\n  A \t\r\n"), ""), "\n  A \t\r\n" + kCreditsSeparator},
    {"BodyIsNotCollapsed", text_page(lyric_element("A\n\n\nB    C"), ""), "A\n\n\nB    C" + kCreditsSeparator},
    {"BlankBodyIsALyric", text_page(lyric_element(" "), ""), " " + kCreditsSeparator},
    {"LoneLineBreakTagIsALyric", text_page(lyric_element("<br />"), authors("Ann")), kCreditsSeparator + "Ann"},
    {"EmptyLyricElement", text_page(lyric_element(""), authors("Ann")), std::nullopt},
    {"NoLyricElement", text_page("<p class=\"lyrics\">A</p>", authors("Ann")), std::nullopt},
    {"LyricElementWithFurtherAttributes", text_page("<p class=\"text\" id=\"t\">A</p>", ""), std::nullopt},
    {"LyricElementNeverClosed", "<p class=\"text\">A<br />\nB", std::nullopt},
    {"EmptyPage", "", std::nullopt},
    {"OnlyTheFirstLyricElement", text_page(lyric_element("One") + lyric_element("Two"), ""), "One" + kCreditsSeparator},
    {"PageIsReadUpToItsFirstNul", lyric_element("A") + "\0"s + authors("Ann"), "A" + kCreditsSeparator},
};

const std::vector<lyric_case> kCredits = {
    {"ExampleAuthorElement",
     text_page(lyric_element("A"), authors("Words: <a href=\"/x\">Ann</a>\n\n\nMusic:  Bob")),
     "A" + kCreditsSeparator + "Words: Ann\r\r\nMusic: Bob"},
    {"SingleLineFeedStays", text_page(lyric_element("A"), authors("Ann\nBob")), "A" + kCreditsSeparator + "Ann\nBob"},
    {"TwoLineFeeds", text_page(lyric_element("A"), authors("Ann\n\nBob")), "A" + kCreditsSeparator + "Ann\r\nBob"},
    {"FourLineFeeds", text_page(lyric_element("A"), authors("Ann\n\n\n\nBob")), "A" + kCreditsSeparator + "Ann\r\r\r\nBob"},
    {"LineEndsStay", text_page(lyric_element("A"), authors("Ann\r\nBob\r\n\r\nEve")),
     "A" + kCreditsSeparator + "Ann\r\nBob\r\n\r\nEve"},
    {"BlankRunsBecomeOneBlank", text_page(lyric_element("A"), authors("Ann  Bob     Eve")),
     "A" + kCreditsSeparator + "Ann Bob Eve"},
    {"EndsAreTrimmed", text_page(lyric_element("A"), authors(" \t\r\n Ann \n\t")), "A" + kCreditsSeparator + "Ann"},
    {"TagsGoReferencesStay", text_page(lyric_element("A"), authors("<b>Ann</b> &amp; Bob<br />\nEve")),
     "A" + kCreditsSeparator + "Ann &amp; Bob\nEve"},
    {"FurtherClassesAndAttributes",
     text_page(lyric_element("A"), "<div class=\"authors small\" data-id=\"7\">Ann</div>"), "A" + kCreditsSeparator + "Ann"},
    {"ElementEndsAtTheFirstDivEnd",
     text_page(lyric_element("A"), authors("Ann<div class=\"role\">Bob</div>Eve")), "A" + kCreditsSeparator + "AnnBob"},
    {"NoAuthorElement", text_page(lyric_element("A"), "<div class=\"no_authors\">Ann</div>"), "A" + kCreditsSeparator},
    {"KaraokeAuthorElementIsNotRead", text_page(lyric_element("A"), "<p class=\"karaoke_author\">Ann</p>"),
     "A" + kCreditsSeparator},
    // A trailing "<" or an unterminated tag is dropped, not an error that costs the lyric.
    {"TrailingLessThanIsDropped", text_page(lyric_element("A"), authors("Ann <")), "A" + kCreditsSeparator + "Ann"},
    {"TrailingLessThanRightAfterText", text_page(lyric_element("A"), authors("Ann<")), "A" + kCreditsSeparator + "Ann"},
    {"UnterminatedTagIsDropped", text_page(lyric_element("A"), authors("Ann<br")), "A" + kCreditsSeparator + "Ann"},
    {"LessThanBlankIsText", text_page(lyric_element("A"), authors("1 < 2 > 0")), "A" + kCreditsSeparator + "1 < 2 > 0"},
};

class text_page_test : public scrape_test, public ::testing::WithParamInterface<lyric_case> {};

TEST_P(text_page_test, HandsOverBodyAndCredits) {
  const std::string address = site("/texty-pisni/anna-berg-song-one");
  serve(host::pages_from_map({{address, GetParam().page}}));
  EXPECT_EQ(load(address), GetParam().lyric);
}

INSTANTIATE_TEST_SUITE_P(Bodies, text_page_test, ::testing::ValuesIn(kBodies),
                         case_name());
INSTANTIATE_TEST_SUITE_P(Credits, text_page_test, ::testing::ValuesIn(kCredits),
                         case_name());

// The address alone decides the page kind; a page may carry both kinds of lyric.
TEST_F(scrape_test, AddressDecidesThePageKind) {
  const std::string both =
      "<script>var syltG = new Array(new Array(\"00:01.00\", \"Timed\"));</script>" + lyric_element("Plain") +
      authors("Text Author") + "<p class=\"karaoke_author\">Karaoke Author</p>";
  const std::vector<std::string> karaoke_addresses = {site("/karaoke/x"), site("/texty-pisni/karaoke/x"),
                                                      "/karaoke/"};
  const std::vector<std::string> text_addresses = {site("/texty-pisni/x"), site("/Karaoke/x"), site("/karaoke"),
                                                   site("/interpreti/x")};
  std::vector<std::pair<std::string, std::string>> pages;
  for (const auto& address : karaoke_addresses) pages.emplace_back(address, both);
  for (const auto& address : text_addresses) pages.emplace_back(address, both);
  serve(host::pages_from_map(pages));

  for (const auto& address : karaoke_addresses) {
    EXPECT_EQ(load(address), "[00:01.00]Timed\r\n" + kCreditsSeparator + "Karaoke Author") << address;
  }
  for (const auto& address : text_addresses) {
    EXPECT_EQ(load(address), "Plain" + kCreditsSeparator + "Text Author") << address;
  }
}

// An item without an address still makes its one download, of nothing; no page, no lyric.
TEST_F(scrape_test, EmptyAddressIsATextPageWithoutLyric) {
  serve(host::pages_from_map({}));
  EXPECT_EQ(load(""), std::nullopt);
}

}  // namespace
}  // namespace scrape
