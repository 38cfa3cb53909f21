// Karaoke pages: the script array rewritten into timed lines by text substitution alone, and
// the credits block made from the karaoke author element.
#include <optional>
#include <string>
#include <vector>

#include "scrape_fixture.h"

namespace scrape {
namespace {

struct karaoke_case {
  const char* name;
  std::string script;  // the page's script text
  std::string author_element;
  std::optional<std::string> lyric;  // the whole text handed to the item; nothing: no lyric
};

void PrintTo(const karaoke_case& test_case, std::ostream* out) { *out << test_case.name; }

std::string syltG(const std::string& entries) { return "var syltG = new Array(" + entries + ");"; }

const std::string kTwoEntries = "new Array(\"T1\", \"S1\"), new Array(\"T2\", \"S2\")";

const std::vector<karaoke_case> kScripts = {
    {"ExampleScript", syltG(kTwoEntries), "", "[T1]S1\r\n[T2]S2\r\n" + kCreditsSeparator},
    {"TimeTagsAndLinesPassAsWritten",
     syltG("new Array(\"00:12.40\", \"say \\\"hi\\\" &amp; go\"), new Array(\"1:02\", \"\")"), "",
     "[00:12.40]say \\\"hi\\\" &amp; go\r\n[1:02]\r\n" + kCreditsSeparator},
    {"WhitespaceAroundTheEntriesGoes", "var syltG = new Array( \r\n\t" + kTwoEntries + "\n\t );", "",
     "[T1]S1\r\n[T2]S2\r\n" + kCreditsSeparator},
    {"WhitespaceBetweenEntriesStays", syltG("new Array(\"T1\", \"S1\"),  new Array(\"T2\", \"S2\")"), "",
     "[T1]S1\r\n [T2]S2\r\n" + kCreditsSeparator},
    {"LineBreakIsNoSeparator", syltG("new Array(\"T1\", \"S1\"),\nnew Array(\"T2\", \"S2\")"), "",
     "[T1]S1\"),\n[T2]S2\r\n" + kCreditsSeparator},
    {"NoBlankAfterTheInnerComma", syltG("new Array(\"T1\",\"S1\")"), "", "[T1\",\"S1\r\n" + kCreditsSeparator},
    {"ThreeStrings", syltG("new Array(\"T1\", \"S1\", \"X\")"), "", "[T1]S1]X\r\n" + kCreditsSeparator},
    {"FirstElementNotAString", syltG("new Array(12, \"S1\")"), "", "new Array(12, \"S1\r\n" + kCreditsSeparator},
    {"ArrayEndInsideAString", syltG("new Array(\"T1\", \"a);b\"), new Array(\"T2\", \"S2\")"), "",
     "[T1]a, " + kCreditsSeparator},
    {"OnlyTheFirstVariable", "var other = new Array(new Array(\"X\", \"0\")); " + syltG("new Array(\"A\", \"1\")") +
                                 " var syltG = new Array(new Array(\"B\", \"2\"));",
     "", "[A]1\r\n" + kCreditsSeparator},
    {"VariableMatchesAsAPrefix", "var syltGx = new Array(new Array(\"T1\", \"S1\"));", "", "[T1]S1\r\n" + kCreditsSeparator},
    // A page without timed lines holds no karaoke lyric, however its script is cut short.
    {"NoArray", "var other = new Array(new Array(\"T1\", \"S1\"));", "<p class=\"karaoke_author\">Ann</p>",
     std::nullopt},
    {"EmptyArray", "var syltG = new Array();", "<p class=\"karaoke_author\">Ann</p>", std::nullopt},
    {"BlankArray", "var syltG = new Array( \r\n\t );", "<p class=\"karaoke_author\">Ann</p>", std::nullopt},
    {"ArrayNeverClosed", "var syltG = new Array(new Array(\"T1\", \"S1\")", "", std::nullopt},
};

const std::vector<karaoke_case> kCredits = {
    {"AuthorElement", syltG(kTwoEntries),
     "<p class=\"karaoke_author\">Timing:  <a href=\"/u/karel\">karel</a>\n\n\n"
     "Text: Ann</p>",
     "[T1]S1\r\n[T2]S2\r\n" + kCreditsSeparator + "Timing: karel\r\r\nText: Ann"},
    {"FurtherClassesAndAttributes", syltG(kTwoEntries), "<p class=\"karaoke_author big\" id=\"a\">\n Ann \n</p>",
     "[T1]S1\r\n[T2]S2\r\n" + kCreditsSeparator + "Ann"},
    {"ElementEndsAtTheFirstParagraphEnd", syltG(kTwoEntries), "<p class=\"karaoke_author\">Ann<p>Bob</p>Eve</p>",
     "[T1]S1\r\n[T2]S2\r\n" + kCreditsSeparator + "AnnBob"},
    {"TrailingLessThanIsDropped", syltG(kTwoEntries), "<p class=\"karaoke_author\">Ann <</p>",
     "[T1]S1\r\n[T2]S2\r\n" + kCreditsSeparator + "Ann"},
    {"EmptyAuthorElement", syltG(kTwoEntries), "<p class=\"karaoke_author\"></p>",
     "[T1]S1\r\n[T2]S2\r\n" + kCreditsSeparator},
    {"TextAuthorElementIsNotRead", syltG(kTwoEntries), "<div class=\"authors\">Ann</div>",
     "[T1]S1\r\n[T2]S2\r\n" + kCreditsSeparator},
};

class karaoke_page_test : public scrape_test, public ::testing::WithParamInterface<karaoke_case> {};

TEST_P(karaoke_page_test, HandsOverTimedLinesAndCredits) {
  const std::string address = site("/karaoke/anna-berg-song-one");
  serve(host::pages_from_map(
      {{address, "<html><head><script type=\"text/javascript\">\n" + GetParam().script +
                     "\n</script></head><body><div id=\"karaoke_player\"></div>\n" + GetParam().author_element +
                     "\n</body></html>"}}));
  EXPECT_EQ(load(address), GetParam().lyric);
}

INSTANTIATE_TEST_SUITE_P(Scripts, karaoke_page_test, ::testing::ValuesIn(kScripts),
                         case_name());
INSTANTIATE_TEST_SUITE_P(Credits, karaoke_page_test, ::testing::ValuesIn(kCredits),
                         case_name());

}  // namespace
}  // namespace scrape
