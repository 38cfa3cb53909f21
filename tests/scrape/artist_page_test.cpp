// The artist page: which song rows of the left column become result items, under which album
// and title, in which order. Each case is one artist page, reached through a search page that
// lists the artist once.
#include <string>
#include <vector>

#include "scrape_fixture.h"

namespace scrape {
namespace {

const std::string kArtist = "Anna Berg";

item_view text(const std::string& album, const std::string& title, const std::string& slug) {
  return text_item(kArtist, album, title, "/texty-pisni/" + slug);
}

item_view karaoke(const std::string& album, const std::string& title, const std::string& slug) {
  return karaoke_item(kArtist, album, title, "/karaoke/" + slug);
}

// A song row: its title links the lyric page `text_slug` unless that is empty, and a second
// cell links the karaoke page `karaoke_slug` unless that is empty.
std::string row(const std::string& title, const std::string& text_slug, const std::string& karaoke_slug = "") {
  std::string cells = text_slug.empty()
                          ? "<td>" + title + "</td>"
                          : "<td class=\"song\"><a href=\"/texty-pisni/" + text_slug + "\">" + title + "</a></td>";
  if (!karaoke_slug.empty()) cells += "<td><a href=\"/karaoke/" + karaoke_slug + "\" class=\"ico\">K</a></td>";
  return "  <tr>\n    " + cells + "\n  </tr>\n";
}

// A song table whose header row names no album.
std::string table(const std::string& rows) {
  return "<table class=\"songs\" cellspacing=\"0\">\n  <tr><th>Title</th><th>Karaoke</th></tr>\n" + rows +
         "</table>\n";
}

// A song table named by its left header cell.
std::string headed_table(const std::string& header, const std::string& rows) {
  return "<table class=\"songs\">\n  <tr><th class=\"left\">" + header + "</th><th>Karaoke</th></tr>\n" + rows +
         "</table>\n";
}

std::string album_box(const std::string& name) {
  return "<div class=\"album_cover_box\">\n  <img src=\"/img/a.jpg\" alt=\"\">\n  <strong>" + name +
         "</strong>\n</div>\n";
}

// An artist page around `left_column`, with a header and a right column that hold song tables
// of their own.
std::string artist_page(const std::string& left_column) {
  return "<html><body>\n<div id=\"header\">" + table(row("Header Song", "header-song", "header-song")) +
         "</div>\n<div id=\"left_column\" class=\"artist\">\n" + left_column + "</div>\n<div id=\"right_column\">\n" +
         table(row("Right Song", "right-song", "right-song")) + "</div>\n</body></html>";
}

class artist_page_fixture : public scrape_test {
 protected:
  // Searches for `title` by the artist whose page is `page`.
  std::vector<item_view> search_artist_page(const std::string& page, const std::string& title) {
    serve_site({{"/search?q=Anna+Berg", search_page_listing("<li><a href=\"/interpreti/anna\">Anna Berg</a></li>")},
                {"/interpreti/anna", page}});
    EXPECT_TRUE(search(kArtist, title));
    EXPECT_EQ(downloads(), (std::vector<std::string>{site("/search?q=Anna+Berg"), site("/interpreti/anna")}));
    return items();
  }
};

// The site's own example: a header row that adds nothing, then one song with both links.
TEST_F(artist_page_fixture, ScansTheExampleArtistPage) {
  const std::string page =
      "<body><div id=\"left_column\"><div class=\"album_cover_box\"><strong>First Album</strong></div><table><tr>"
      "<th>Title</th></tr><tr><td><a href=\"/texty-pisni/abc-1\">Song One</a></td><td><a href=\"/karaoke/abc-1\">K"
      "</a></td></tr></table><div id=\"right_column\"></div></body>";
  EXPECT_EQ(search_artist_page(page, "Song One"),
            (std::vector<item_view>{text("First Album", "Song One", "abc-1"),
                                    karaoke("First Album", "Song One", "abc-1")}));
}

struct artist_page_case {
  const char* name;
  std::string left_column;
  std::string title;
  std::vector<item_view> expected;
};

void PrintTo(const artist_page_case& test_case, std::ostream* out) { *out << test_case.name; }

const std::string kTwoSongs = table(row("Song One", "one", "one-k") + row("Other", "other"));

const std::vector<artist_page_case> kArtistPages = {
    {"StarLetsEveryRowPass", kTwoSongs, "*",
     {text("", "Song One", "one"), karaoke("", "Song One", "one-k"), text("", "Other", "other")}},
    {"EmptyTitleLetsEveryRowPass", kTwoSongs, "",
     {text("", "Song One", "one"), karaoke("", "Song One", "one-k"), text("", "Other", "other")}},
    {"StarIsAWildcardOnlyAlone", kTwoSongs, "**", {}},
    {"TitlesCompareWithCase", kTwoSongs, "song one", {}},
    {"SongTitleContainingTheRequest", table(row("Song One (live)", "one-live")), "Song One",
     {text("", "Song One (live)", "one-live")}},
    {"RequestContainingTheSongTitle", table(row("Song One", "one")), "Song One (live)",
     {text("", "Song One", "one")}},
    {"CharacterReferenceIsNotTheCharacter", table(row("Rock &amp; Roll", "rock")), "Rock & Roll", {}},
    {"CharacterReferenceMatchesAsWritten", table(row("Rock &amp; Roll", "rock")), "Rock &amp; Roll",
     {text("", "Rock &amp; Roll", "rock")}},
    {"SongTitleIsNotTrimmed", table(row(" Song One ", "one")), "Song One", {text("", " Song One ", "one")}},
    {"KaraokeOnlyRowFitsEveryTitle", table(row("Song One", "", "one") + row("Other", "other")), "Unrelated",
     {karaoke("", "", "one")}},
    {"EmptyLinkAddressGivesNoItem",
     table("<tr><td><a href=\"/texty-pisni/\">Song One</a></td><td><a href=\"/karaoke/\">K</a></td></tr>"), "*",
     {}},
    {"AlbumBoxNamesTheTableAfterIt", album_box("First Album") + kTwoSongs, "Other",
     {text("First Album", "Other", "other")}},
    {"AlbumBoxWinsOverTheHeaderCell", album_box("Boxed") + headed_table("Headed", row("Song One", "one")), "*",
     {text("Boxed", "Song One", "one")}},
    {"AlbumNameAsWritten", album_box(" Live &amp; <i>Loud</i> ") + table(row("Song One", "one")), "*",
     {text(" Live &amp; <i>Loud</i> ", "Song One", "one")}},
    {"AlbumBoxWithoutStrongNamesNothing",
     "<div class=\"album_cover_box\"><img src=\"/a.jpg\"></div>" + headed_table("Headed", row("Song One", "one")), "*",
     {text("", "Song One", "one")}},
    {"HeaderCellNamesTheTable", headed_table("Singles", row("Song One", "one")), "*",
     {text("Singles", "Song One", "one")}},
    {"HeaderCellWithFurtherClasses",
     "<table><tr><th class=\"left wide\" colspan=\"2\">Singles</th></tr>" + row("Song One", "one") + "</table>", "*",
     {text("Singles", "Song One", "one")}},
    {"HeaderCellLinkText", headed_table("<a href=\"/interpreti/bob\">With Bob</a>", row("Song One", "one")), "*",
     {text("With Bob", "Song One", "one")}},
    {"EveryTableHasItsOwnAlbum",
     album_box("First") + table(row("Song One", "one")) + table(row("Song Two", "two")) +
         headed_table("Third", row("Song Three", "three")),
     "*", {text("First", "Song One", "one"), text("", "Song Two", "two"), text("Third", "Song Three", "three")}},
    {"ItemsInPageOrder",
     table(row("A", "a", "a") + row("B", "b")) + album_box("Second") + table(row("C", "c", "c")), "*",
     {text("", "A", "a"), karaoke("", "A", "a"), text("", "B", "b"), text("Second", "C", "c"),
      karaoke("Second", "C", "c")}},
    {"RowWithoutClosingTagIsNotScanned",
     "<table><tr><th>Title</th></tr>" + row("Song One", "one") +
         "<tr><td><a href=\"/texty-pisni/two\">Song Two</a></td></table>",
     "*", {text("", "Song One", "one")}},
    {"TableWithoutRows", "<table><tr><td><a href=\"/texty-pisni/one\">Song One</a></td></table>", "*", {}},
    {"RowsAfterTheLastTableAreNotScanned", table(row("Song One", "one")) + row("Song Two", "two"), "*",
     {text("", "Song One", "one")}},
    {"LeftColumnWithoutTables", "<p>Zatím žádné texty.</p>" + row("Song One", "one"), "*", {}},
};

class artist_page_test : public artist_page_fixture, public ::testing::WithParamInterface<artist_page_case> {};

TEST_P(artist_page_test, AddsTheFittingRows) {
  EXPECT_EQ(search_artist_page(artist_page(GetParam().left_column), GetParam().title), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ArtistPages, artist_page_test, ::testing::ValuesIn(kArtistPages),
                         case_name());

// Without a right column the left column runs to the end of the page, footer tables included.
TEST_F(artist_page_fixture, PageWithoutRightColumnIsScannedToItsEnd) {
  const std::string page = "<div id=\"left_column\">" + table(row("Song One", "one")) + "</div><div id=\"footer\">" +
                           table(row("Song Two", "two")) + "</div>";
  EXPECT_EQ(search_artist_page(page, "*"),
            (std::vector<item_view>{text("", "Song One", "one"), text("", "Song Two", "two")}));
}

}  // namespace
}  // namespace scrape
