#include "text/text_helpers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tests/text/replace_reference.h"

namespace melodara {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

// ExtractBetween takes its markers as a braced list; tables and random cases hold them in a
// vector and reach it through this fixed-arity bridge.
std::string_view ExtractWith(std::string_view text, std::size_t start,
                             const std::vector<std::string>& markers) {
  switch (markers.size()) {
    case 0:
      return ExtractBetween(text, start, {});
    case 1:
      return ExtractBetween(text, start, {markers[0]});
    case 2:
      return ExtractBetween(text, start, {markers[0], markers[1]});
    case 3:
      return ExtractBetween(text, start, {markers[0], markers[1], markers[2]});
    default:
      throw std::logic_error("no bridge for that many markers");
  }
}

struct ExtractCase {
  std::string text;
  std::size_t start;
  std::vector<std::string> markers;
  std::string expected;
};

TEST(ExtractBetweenTest, CutsThePieceAfterTheMarkerChain) {
  const std::string entry = "<li><a href=\"/artist/abc-12\">Abc Def</a></li>";
  ASSERT_EQ(entry.size(), 45U);
  const std::vector<ExtractCase> cases = {
      {entry, 0, {"<a href=\"", "\""}, "/artist/abc-12"},
      {entry, 0, {"<a href=\"", ">", "</a>"}, "Abc Def"},
      {entry, 4, {"<a href=\"", "\""}, "/artist/abc-12"},
      {entry, 0, {"</a>"}, "<li><a href=\"/artist/abc-12\">Abc Def"},
      {entry, 0, {"<a href=\"", "</span>"}, ""},
      {entry, 5, {"<li>", "</li>"}, ""},
      {entry, 45, {"</li>"}, ""},
      // The first occurrence at or after the position wins, for every marker.
      {"<i>a</i><i>b</i>", 0, {"<i>", "</i>"}, "a"},
      {"<i>a</i><i>b</i>", 1, {"<i>", "</i>"}, "b"},
      // A last marker right after the one before reads the same as a missing one.
      {"<b></b>", 0, {"<b>", "</b>"}, ""},
      // Nothing is found from beyond the end, not even an empty marker.
      {"<b>x</b>", 9, {"", ""}, ""},
      {"<b>x</b>", kNotFound, {"</b>"}, ""},
      {"<b>x</b>", kNotFound, {""}, ""},
      {"<b>x</b>", 0, {}, ""},
  };
  for (const ExtractCase& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << "\" from " << c.start);
    EXPECT_EQ(ExtractWith(c.text, c.start, c.markers), c.expected);
  }
}

TEST(ExtractBetweenTest, ViewsIntoTheText) {
  const std::string page = "<p class=\"author\">Ann Example</p>";
  const std::string_view author = ExtractBetween(page, 0, {"class=\"author\">", "</p>"});
  EXPECT_EQ(author.data(), page.data() + 18);
  EXPECT_EQ(author, "Ann Example");
}

TEST(TrimWhitespaceTest, DropsOnlySpaceTabAndLineEndsAtBothEnds) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", ""},
      {" \t\r\n", ""},
      {" Abc Def\r\n", "Abc Def"},
      {"\tx\t \t", "x"},
      {"no trim", "no trim"},
      {" \vx\v ", "\vx\v"},
      {"\fx\f", "\fx\f"},
      {"\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(TrimWhitespace(text), expected) << '"' << text << '"';
  }
}

TEST(StripTagsTest, DropsTagsAndKeepsComparisons) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", ""},
      {"a <b>bold</b> x < y", "a bold x < y"},
      {"line<br />next", "linenext"},
      {"text<br", "text"},
      {"1 > 0", "1 > 0"},
      {"<<b>>", ">"},
      {"a<  b", "a<  b"},
      {"x <\n", "x "},
      // A trailing "<" is dropped like a tag that is never closed.
      {"a<", "a"},
      {"<", ""},
      {"a < <", "a < "},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(StripTags(text), expected) << '"' << text << '"';
  }
}

struct ReplaceCase {
  std::string text;
  std::string search;
  std::string replacement;
  bool rescan;
  std::string expected;
};

void ExpectReplacements(const std::vector<ReplaceCase>& cases) {
  for (const ReplaceCase& c : cases) {
    std::string text = c.text;
    ReplaceAll(text, c.search, c.replacement, c.rescan);
    EXPECT_EQ(text, c.expected) << '"' << c.text << "\" \"" << c.search << "\" -> \""
                                << c.replacement << "\" rescan " << c.rescan;
  }
}

TEST(ReplaceAllTest, WalksOneByteOnOrRescansTheReplacement) {
  ExpectReplacements({
      {"a    b", "  ", " ", true, "a b"},
      {"a    b", "  ", " ", false, "a  b"},
      {"a\n\n\nb", "\n\n", "\r\n", true, "a\r\r\nb"},
      {"x<br /><br />y", "<br />", "", false, "x<br />y"},
      {"x<br />\n<br />y", "<br />", "", false, "x\ny"},
      {"aaa", "a", "b", false, "bbb"},
      {"aa", "a", "ab", false, "abab"},
      {"no tag here", "<br />", "\n", false, "no tag here"},
      {"", "a", "b", true, ""},
      // Rescan searches on from the replacement, never before it: a tag that the removal
      // joins together stays.
      {"<br<br /> />", "<br />", "", true, "<br />"},
      // Occurrences that start inside a replacement and run on into the text after it.
      {"baa", "ba", "xb", false, "xxb"},
      {"baaa", "ba", "xb", true, "xxxb"},
      {"acbbb", "cb", "c", true, "ac"},
      // The search text at the start of the replacement is passed over without rescan.
      {"<br />x", "<br />", "<br />\n", false, "<br />\nx"},
  });
}

TEST(ReplaceAllTest, LeavesTheTextInPlaceWithoutOccurrence) {
  std::string text = "plain text without markers";
  const char* const buffer = text.data();
  ReplaceAll(text, "<br />", "\n", true);
  EXPECT_EQ(text.data(), buffer);
  EXPECT_EQ(text, "plain text without markers");
}

TEST(ReplaceAllTest, AcceptsSearchAndReplacementViewingIntoTheText) {
  std::string text = "ab-ab-ab";
  const std::string_view view(text);
  ReplaceAll(text, view.substr(0, 2), view.substr(2, 1), true);
  EXPECT_EQ(text, "-----");
}

TEST(ReplaceAllTest, EndsWhenTheLimitsAreBroken) {
  ExpectReplacements({
      // An empty search text changes nothing.
      {"abc", "", "x", true, "abc"},
      {"abc", "", "x", false, "abc"},
      // Otherwise the walk resumes after the whole replacement.
      {"aaa", "a", "aa", true, "aaaaaa"},
      {"aa", "a", "ba", false, "baba"},
      {"abb", "ab", "xab", true, "xabb"},
      {"a  b", "  ", "   ", true, "a   b"},
      {"a  b", " ", "  ", false, "a    b"},
      // Not even an occurrence that runs on from the end of such a replacement is taken.
      {"aaaa", "aa", "aaa", true, "aaaaaa"},
      {"aaa", "aa", "baa", false, "baaa"},
  });
}

// Builds random texts from a few pieces that overlap in many ways, so that runs,
// neighbouring occurrences and occurrences across replacements come up often.
class RandomText {
 public:
  explicit RandomText(std::uint32_t seed) : engine_(seed) {}

  std::size_t Below(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(engine_);
  }

  std::string From(const std::vector<std::string>& pieces, std::size_t max_pieces) {
    std::string text;
    for (std::size_t count = Below(max_pieces + 1); count > 0; --count) {
      text += pieces[Below(pieces.size())];
    }
    return text;
  }

 private:
  std::mt19937 engine_;
};

const std::vector<std::string> kPagePieces = {
    "a", "b", "ab", "<br />", "<br", " />", "\n", " ", "  ", "<", ">", "\r\n"};
const std::vector<std::string> kSearchTexts = {
    "a", "b", "ab", "aa", "ba", "aba", " ", "  ", "\n", "\n\n", "<br />", "<br", "<", "/>"};

TEST(ReplaceAllTest, MatchesTheReferenceWalkOnRandomTexts) {
  RandomText random(20240611);
  std::size_t compared = 0;
  for (int round = 0; round < 40000; ++round) {
    const std::string original = random.From(kPagePieces, 12);
    const std::string search = random.Below(4) == 0
                                   ? random.From(kPagePieces, 2)
                                   : kSearchTexts[random.Below(kSearchTexts.size())];
    // Replacements that start with the search text are the ones allowed to hold it.
    std::string replacement = random.From(kPagePieces, 2);
    if (random.Below(4) == 0) {
      replacement = search + replacement;
    }
    const bool rescan = random.Below(2) == 0;
    if (!reference::RespectsReplaceLimits(search, replacement, rescan)) {
      continue;
    }
    std::string expected = original;
    reference::ReplaceAllWalk(expected, search, replacement, rescan);
    std::string text = original;
    ReplaceAll(text, search, replacement, rescan);
    ASSERT_EQ(text, expected) << '"' << original << "\" \"" << search << "\" -> \""
                              << replacement << "\" rescan " << rescan;
    ++compared;
  }
  EXPECT_GT(compared, 20000U);
}

TEST(TextHelpersTest, MatchTheReferenceWalksOnRandomTexts) {
  RandomText random(7);
  const std::vector<std::string> tag_pieces = {"a", "<", ">", " ", "<b>", "</b>", "< ", "/"};
  const std::vector<std::string> space_pieces = {" ",  "\t", "\r", "\n",
                                                 "\v", "\f", "x",  "\xC2\xA0"};
  const std::vector<std::string> marker_pieces = {"<i>", "</i>", "<", ">", "i", "a", ""};
  for (int round = 0; round < 20000; ++round) {
    const std::string tagged = random.From(tag_pieces, 10);
    ASSERT_EQ(StripTags(tagged), reference::StripTagsWalk(tagged)) << '"' << tagged << '"';

    const std::string spaced = random.From(space_pieces, 8);
    ASSERT_EQ(TrimWhitespace(spaced), reference::TrimWhitespaceWalk(spaced))
        << '"' << spaced << '"';

    const std::string page = random.From(marker_pieces, 12);
    std::vector<std::string> markers(1 + random.Below(3));
    for (std::string& marker : markers) {
      marker = random.From(marker_pieces, 2);
    }
    const std::size_t start = random.Below(8) == 0 ? kNotFound : random.Below(page.size() + 3);
    ASSERT_EQ(ExtractWith(page, start, markers),
              reference::ExtractBetweenWalk(page, start, markers))
        << '"' << page << "\" from " << start;
  }
}

// Every helper must stay linear: pages are megabytes at worst, but a walk that moves the
// rest of the text once per occurrence turns that into minutes.
TEST(TextHelpersTest, StayLinearOnLargeTexts) {
  constexpr std::size_t kSize = 10 * 1024 * 1024;
  const auto expect_fast = [](const char* what, const std::function<void()>& work) {
    const auto started = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - started;
    EXPECT_LT(taken.count(), 2.0) << what;
  };
  std::string breaks;
  for (std::size_t count = 0; count < kSize / 6; ++count) {
    breaks += "<br />";
  }

  std::string spaces(kSize, ' ');
  expect_fast("collapsing spaces", [&] { ReplaceAll(spaces, "  ", " ", true); });
  EXPECT_EQ(spaces, " ");

  std::string rescanned = breaks;
  expect_fast("removing breaks with rescan", [&] { ReplaceAll(rescanned, "<br />", "", true); });
  EXPECT_EQ(rescanned, "");

  std::string stepped = breaks;
  expect_fast("removing breaks without rescan", [&] { ReplaceAll(stepped, "<br />", "", false); });
  EXPECT_EQ(stepped.size(), breaks.size() / 2);

  const std::string openers(kSize, '<');
  std::string stripped = "not empty";
  expect_fast("stripping openers", [&] { stripped = StripTags(openers); });
  EXPECT_EQ(stripped, "");
}

}  // namespace
}  // namespace melodara
