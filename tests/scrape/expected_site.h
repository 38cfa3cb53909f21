// What EXPECTED.md of the bundled offline site says the scrapers must give: each supported
// search and each lyric page, read from the file itself so that the tests and the document
// cannot drift apart.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "item_view.h"

namespace scrape {

struct expected_search {
  std::string artist;
  std::string title;
  std::string search_path;                // after the site's base address
  bool found = false;                     // what Search returns
  std::vector<std::string> artist_pages;  // after the site's base address, in download order
  std::size_t item_count = 0;
  // Items by their position in the list, counted from 1: all of them, or for a long list
  // a selection.
  std::vector<std::pair<std::size_t, item_view>> items;
};

// Counts of the bytes in a lyric text too long to write out.
struct lyric_size {
  std::size_t bytes;
  std::size_t line_feeds;
  std::size_t carriage_returns;
};

struct expected_lyric {
  std::string path;  // after the site's base address
  // The whole text, or for a long text its size, beginning and end.
  std::optional<std::string> text;
  std::optional<lyric_size> size;
  std::string begins;
  std::string ends;
};

struct expected_site {
  std::vector<expected_search> searches;
  std::vector<expected_lyric> lyrics;
};

inline void PrintTo(const expected_search& search, std::ostream* out) {
  *out << "artist \"" << search.artist << "\", title \"" << search.title << "\"";
}

inline void PrintTo(const expected_lyric& lyric, std::ostream* out) { *out << lyric.path; }

// Reads the document at `path`. Raises std::runtime_error naming the line for a line in a
// search or lyric section that it cannot read, or when the file cannot be read.
expected_site ReadExpectedSite(const std::string& path);

}  // namespace scrape
