// Pages built to hurt: tens of megabytes of one marker, a page that is a single NUL, bytes that
// are not UTF-8, thousands of matching artists, hundreds of thousands of rows. Each must give
// what the page says, in time that grows like its size (a quarter of the page takes about a
// quarter of the time) and holding less than three times the page at its peak, the component's
// own copy of the download included.
#include <gtest/gtest.h>

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>
#endif

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "host/panel_objects.h"
#include "module_fixture.h"
#include "platform/shared_library/uCallStackTracker.h"
#include "tests/adversarial/summary_list.h"
#include "tests/faults/heap_meter.h"

namespace {

using adversarial::item_digest;
using adversarial::item_record;
using adversarial::page_server;
using adversarial::summary_list;

constexpr std::size_t kPageBytes = 50u << 20;
const std::string kBase = MELODARA_SITE_BASE_URL;

std::string repeated(std::string_view piece, std::size_t bytes) {
  std::string text;
  text.reserve(bytes);
  while (text.size() + piece.size() <= bytes) text.append(piece);
  return text;
}

// What one search gave.
struct search_outcome {
  bool returned = false;
  std::optional<std::string> error;  // the message of the out_of_range that ended it
  std::size_t downloads = 0;
  std::string search_address;
  item_digest digest;
  item_record first, last;
};

// What one load gave: the lyric as its length and digest.
struct load_outcome {
  bool returned = false;
  bool has_lyric = false;
  std::size_t length = 0;
  std::uint64_t digest = 0;

  // Whether the lyric handed over is `expected`.
  bool gave(std::string_view expected) const {
    return has_lyric && length == expected.size() && digest == adversarial::TextDigest(expected);
  }
};

// The time and the memory one run took.
struct cost {
  double seconds;
  std::size_t peak_bytes;  // above what was held before the run
};

cost measure(const std::function<void()>& run) {
  heap_meter::reset_peak();
  const std::size_t before = heap_meter::in_use();
  const auto started = std::chrono::steady_clock::now();
  run();
  const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - started;
  return {taken.count(), heap_meter::peak() - before};
}

class adversarial_pages : public module_test {
 protected:
  adversarial_pages() {
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    // glibc serves blocks up to 32 MB from memory it keeps and maps larger ones anew each
    // time, so a quarter of the page would skip the page faults that the whole one pays for:
    // map every large block, so that both sizes pay alike.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
  }

  search_outcome search(const std::string& artist, const std::string& title,
                        const page_server::pages& pages) {
    search_outcome outcome;
    page_server host(pages);
    service_ptr_t<lyric_source_base> source = new_source();
    host.add_ref();
    source->BindHost(&host);
    summary_list list;
    list.add_ref();
    const lyric_search_request request{nullptr, artist.c_str(), nullptr, title.c_str()};
    try {
      outcome.returned = source->Search(&request, 0, &list);
    } catch (const std::out_of_range& error) {
      outcome.error = error.what();
    }
    list.finish();
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(shared_stack_depth(), 0u);
    shared_history_clear();
    outcome.downloads = host.downloads();
    outcome.search_address = host.first_address();
    outcome.digest = list.digest();
    outcome.first = list.first();
    outcome.last = list.last();
    return outcome;
  }

  load_outcome load(const std::string& path, const std::string& page) {
    const std::string address = kBase + path;
    page_server host([&](const std::string& asked) { return asked == address ? &page : nullptr; });
    service_ptr_t<lyric_source_base> source = new_source();
    host.add_ref();
    source->BindHost(&host);
    adversarial::digest_item item(address);
    load_outcome outcome;
    outcome.returned = source->LoadLyric(&item);
    outcome.has_lyric = item.has_lyric;
    outcome.length = item.lyric_length;
    outcome.digest = item.lyric_digest;
    EXPECT_EQ(host.downloads(), 1u);
    return outcome;
  }

  // Runs `run` on the page `make` builds for a quarter of `bytes` and for all of it, checks
  // both with `check`, and holds the full run to linear time and to three times the page.
  template <typename Outcome>
  void expect_linear(const char* what, std::size_t bytes, const std::function<std::string(std::size_t)>& make,
                     const std::function<Outcome(const std::string&)>& run,
                     const std::function<void(const Outcome&, std::size_t bytes)>& check) {
    cost costs[2];
    std::size_t sizes[2] = {bytes / 4, bytes};
    std::size_t page_size = 0;
    for (int index = 0; index < 2; ++index) {
      const std::string page = make(sizes[index]);
      page_size = page.size();
      // The quicker of two runs: the machine is shared, and a slow run says nothing.
      for (int round = 0; round < 2; ++round) {
        std::optional<Outcome> outcome;
        const cost taken = measure([&] { outcome = run(page); });
        check(*outcome, sizes[index]);
        if (round == 0 || taken.seconds < costs[index].seconds) costs[index] = taken;
      }
    }
    std::printf("[ page     ] %s: %zu bytes in %.3f s (a quarter: %.3f s), peak %.2f times the page\n",
                what, page_size, costs[1].seconds, costs[0].seconds,
                static_cast<double>(costs[1].peak_bytes) / static_cast<double>(page_size));
    // Linear is 4 times and a square 16; the allowance covers noise on a shared machine.
    EXPECT_LT(costs[1].seconds, 8.0 * costs[0].seconds + 0.1) << what;
    EXPECT_LT(costs[1].peak_bytes, 3 * page_size) << what;
  }
};

// A text page around a lyric element and an author element.
std::string text_page(std::string_view lyric, std::string_view authors) {
  std::string page;
  page.reserve(lyric.size() + authors.size() + 128);
  page.append("<html><body><p class=\"text\">").append(lyric).append("</p>\n<div class=\"authors\">");
  page.append(authors).append("</div></body></html>");
  return page;
}

std::string artist_page(std::string_view tables) {
  return "<div id=\"left_column\">" + std::string(tables) + "<div id=\"right_column\"></div>";
}

const std::string kSmallArtistPage = artist_page(
    "<div class=\"album_cover_box\"><strong>Album</strong></div><table><tr><td>"
    "<a href=\"/texty-pisni/song\">Song</a></td><td><a href=\"/karaoke/song\">K</a></td></tr></table>");

TEST_F(adversarial_pages, ListOfOneUnclosedEntryOpenedMillionsOfTimes) {
  // One entry that runs to the end of the list: its name is empty, so it matches the empty
  // artist and leads to the artist page at the site's base address.
  expect_linear<search_outcome>(
      "\"<li>\" repeated in the artist list", kPageBytes,
      [](std::size_t bytes) { return "<ul class='artist'>" + repeated("<li>", bytes) + "</ul>"; },
      [this](const std::string& page) {
        return search("", "*", [&](const std::string& address) {
          return address == kBase ? &kSmallArtistPage : &page;
        });
      },
      [](const search_outcome& outcome, std::size_t) {
        EXPECT_TRUE(outcome.returned);
        EXPECT_EQ(outcome.downloads, 2u);
        EXPECT_EQ(outcome.digest.count(), 2u);
        EXPECT_EQ(outcome.first.address, kBase + "/texty-pisni/song");
      });
}

TEST_F(adversarial_pages, TableEndsWithoutTablesEndTheSearchAfterTheFirstTable) {
  expect_linear<search_outcome>(
      "\"</table>\" repeated in the left column", kPageBytes,
      [](std::size_t bytes) {
        return artist_page("<table><tr><td><a href=\"/texty-pisni/a\">A</a></td></tr>" +
                           repeated("</table>", bytes));
      },
      [this](const std::string& page) {
        static const std::string list = "<ul class='artist'><li><a href=\"/interpreti/x\">X</a></li></ul>";
        return search("X", "*", [&](const std::string& address) {
          return address == kBase + "/interpreti/x" ? &page : &list;
        });
      },
      [](const search_outcome& outcome, std::size_t) {
        EXPECT_EQ(outcome.error, "invalid string position");
        EXPECT_EQ(outcome.digest.count(), 1u);  // the first table's row stays
        EXPECT_EQ(outcome.first.title, "A");
      });
}

TEST_F(adversarial_pages, MillionsOfEmptyRowsGiveNoItems) {
  expect_linear<search_outcome>(
      "\"</tr>\" repeated in one table", kPageBytes,
      [](std::size_t bytes) { return artist_page("<table>" + repeated("</tr>", bytes) + "</table>"); },
      [this](const std::string& page) {
        static const std::string list = "<ul class='artist'><li><a href=\"/interpreti/x\">X</a></li></ul>";
        return search("X", "", [&](const std::string& address) {
          return address == kBase + "/interpreti/x" ? &page : &list;
        });
      },
      [](const search_outcome& outcome, std::size_t) {
        EXPECT_TRUE(outcome.returned);
        EXPECT_FALSE(outcome.error);
        EXPECT_EQ(outcome.downloads, 2u);
        EXPECT_EQ(outcome.digest.count(), 0u);
      });
}

TEST_F(adversarial_pages, LyricOfLineBreaksOnlyLeavesTheCredits) {
  // The element is not empty, so the lyric is found; every tag goes, runs included.
  expect_linear<load_outcome>(
      "\"<br />\" repeated in the lyric", kPageBytes,
      [](std::size_t bytes) { return text_page(repeated("<br />", bytes), "Text: A"); },
      [this](const std::string& page) { return load("/texty-pisni/x", page); },
      [](const load_outcome& outcome, std::size_t) {
        EXPECT_TRUE(outcome.returned);
        EXPECT_TRUE(outcome.gave("\r\n---\r\nText: A"));
      });
}

TEST_F(adversarial_pages, AuthorsOfUnclosedTagsAreDropped) {
  // The first "<" opens a tag that never closes: the author text is empty.
  expect_linear<load_outcome>(
      "\"<\" repeated in the authors", kPageBytes,
      [](std::size_t bytes) { return text_page("La", repeated("<", bytes)); },
      [this](const std::string& page) { return load("/texty-pisni/x", page); },
      [](const load_outcome& outcome, std::size_t) {
        EXPECT_TRUE(outcome.returned);
        EXPECT_TRUE(outcome.gave("La\r\n---\r\n"));
      });
}

TEST_F(adversarial_pages, RunsOfBlanksCollapseToOne) {
  expect_linear<load_outcome>(
      "spaces repeated in the authors", kPageBytes,
      [](std::size_t bytes) { return text_page("La", "Ann" + repeated(" ", bytes) + "Bob"); },
      [this](const std::string& page) { return load("/texty-pisni/x", page); },
      [](const load_outcome& outcome, std::size_t) {
        EXPECT_TRUE(outcome.gave("La\r\n---\r\nAnn Bob"));
      });
}

TEST_F(adversarial_pages, BlanksInTheLyricStayAsTheyAre) {
  // The body is not cleaned: it reaches the panel whole, with the credits behind it.
  expect_linear<load_outcome>(
      "spaces repeated in the lyric", kPageBytes,
      [](std::size_t bytes) { return text_page(repeated(" ", bytes), "Ann"); },
      [this](const std::string& page) { return load("/texty-pisni/x", page); },
      [](const load_outcome& outcome, std::size_t bytes) {
        EXPECT_TRUE(outcome.gave(std::string(bytes, ' ') + "\r\n---\r\nAnn"));
      });
}

TEST_F(adversarial_pages, RunsOfLineFeedsBecomeCarriageReturnsAndOneLineFeed) {
  expect_linear<load_outcome>(
      "\"\\n\\n\" repeated in the authors", kPageBytes,
      [](std::size_t bytes) { return text_page("La", "Ann" + repeated("\n\n", bytes) + "Bob"); },
      [this](const std::string& page) { return load("/texty-pisni/x", page); },
      [](const load_outcome& outcome, std::size_t bytes) {
        const std::size_t feeds = bytes / 2 * 2;
        EXPECT_TRUE(outcome.gave("La\r\n---\r\nAnn" + std::string(feeds - 1, '\r') + "\nBob"));
      });
}

TEST_F(adversarial_pages, PageOfOneNulIsAnEmptyPage) {
  const std::string nul(1, '\0');
  const page_server::pages serve_nul = [&](const std::string&) { return &nul; };
  const search_outcome no_list = search("X", "*", serve_nul);
  EXPECT_FALSE(no_list.returned);
  EXPECT_EQ(no_list.downloads, 1u);

  const std::string list = "<ul class='artist'><li><a href=\"/interpreti/x\">X</a></li></ul>";
  const search_outcome no_left_column = search("X", "*", [&](const std::string& address) {
    return address == kBase + "/interpreti/x" ? &nul : &list;
  });
  EXPECT_EQ(no_left_column.error, "invalid string position");

  EXPECT_FALSE(load("/texty-pisni/x", nul).returned);
  EXPECT_FALSE(load("/karaoke/x", nul).returned);
}

TEST_F(adversarial_pages, BytesThatAreNotUtf8PassAsBytes) {
  // A lone continuation byte, a truncated sequence, an encoded surrogate, an overlong slash.
  const std::string artist = "\x80\xC3 \xED\xA0\x80\xC0\xAF\xFF";
  const std::string list = "<ul class='artist'><li><a href=\"/interpreti/x\">" + artist + "</a></li>" +
                           "<li><a href=\"/interpreti/y\">\xC3" "\x80 \xED\xA0\x80\xC0\xAF\xFF</a></li></ul>";
  const std::string page = artist_page(
      "<table><tr><td><a href=\"/texty-pisni/\xFE\">\xF0\x9F\x98</a></td></tr></table>");
  const search_outcome outcome = search(artist, "", [&](const std::string& address) {
    return address == kBase + "/interpreti/x" ? &page : &list;
  });
  EXPECT_EQ(outcome.search_address, kBase + "/search?q=%80%C3+%ED%A0%80%C0%AF%FF");
  EXPECT_EQ(outcome.downloads, 2u);  // only the entry with the same bytes
  ASSERT_EQ(outcome.digest.count(), 1u);
  EXPECT_EQ(outcome.first.artist, artist);
  EXPECT_EQ(outcome.first.title, "\xF0\x9F\x98");
  EXPECT_EQ(outcome.first.address, kBase + "/texty-pisni/\xFE");

  const load_outcome loaded = load("/texty-pisni/x", text_page("\xC3\x28<br />\n\xFF", "\xE2\x82"));
  EXPECT_TRUE(loaded.gave("\xC3\x28\n\xFF\r\n---\r\n\xE2\x82"));
}

TEST_F(adversarial_pages, TenThousandMatchingArtistsOnOneSmallPage) {
  constexpr std::size_t kArtists = 10000;
  const auto make = [](std::size_t artists) {
    std::string page = "<ul class='artist'>";
    for (std::size_t index = 0; index < artists; ++index) {
      page += "<li><a href=\"/interpreti/a\">Artist</a></li>\n";
    }
    return page + "</ul>";
  };
  expect_linear<search_outcome>(
      "10,000 matching artists", kArtists, make,
      [this](const std::string& page) {
        return search("artist", "Song", [&](const std::string& address) {
          return address == kBase + "/interpreti/a" ? &kSmallArtistPage : &page;
        });
      },
      [](const search_outcome& outcome, std::size_t artists) {
        EXPECT_EQ(outcome.downloads, artists + 1);
        item_digest expected;
        for (std::size_t index = 0; index < artists; ++index) {
          expected.add({0, "Artist", "Album", "Song", kBase + "/texty-pisni/song"});
          expected.add({1, "Artist", "Album", "Song", kBase + "/karaoke/song"});
        }
        EXPECT_EQ(outcome.digest.count(), expected.count());
        EXPECT_EQ(outcome.digest.value(), expected.value());
      });
}

TEST_F(adversarial_pages, ArtistPageOfTwoHundredThousandRows) {
  constexpr std::size_t kRows = 200000;
  const auto make = [](std::size_t rows) {
    std::string tables = "<div class=\"album_cover_box\"><strong>All</strong></div><table>";
    for (std::size_t index = 0; index < rows; ++index) {
      const std::string id = std::to_string(index);
      tables += "<tr><td><a href=\"/texty-pisni/s" + id + "\">Song " + id + "</a></td><td><a href=\"/karaoke/s" +
                id + "\">K</a></td></tr>\n";
    }
    return artist_page(tables + "</table>");
  };
  expect_linear<search_outcome>(
      "200,000 rows", kRows, make,
      [this](const std::string& page) {
        static const std::string list = "<ul class='artist'><li><a href=\"/interpreti/x\">X</a></li></ul>";
        return search("X", "*", [&](const std::string& address) {
          return address == kBase + "/interpreti/x" ? &page : &list;
        });
      },
      [](const search_outcome& outcome, std::size_t rows) {
        item_digest expected;
        for (std::size_t index = 0; index < rows; ++index) {
          const std::string id = std::to_string(index);
          expected.add({0, "X", "All", "Song " + id, kBase + "/texty-pisni/s" + id});
          expected.add({1, "X", "All", "Song " + id, kBase + "/karaoke/s" + id});
        }
        EXPECT_EQ(outcome.digest.count(), 2 * rows);
        EXPECT_EQ(outcome.digest.value(), expected.value());
      });
}

}  // namespace
