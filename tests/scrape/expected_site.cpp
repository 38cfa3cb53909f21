#include "expected_site.h"

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace scrape {
namespace {

[[noreturn]] void Unreadable(std::size_t line_number, const std::string& line) {
  throw std::runtime_error("EXPECTED.md line " + std::to_string(line_number) + " cannot be read: " + line);
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A table cell or list value: `text` in backticks, or (empty).
std::optional<std::string> Quoted(const std::string& cell) {
  const std::string value = Trimmed(cell);
  if (value == "(empty)") return std::string();
  if (value.size() >= 2 && value.front() == '`' && value.back() == '`') return value.substr(1, value.size() - 2);
  return std::nullopt;
}

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::istringstream in(row.substr(1));  // past the leading "|"
  for (std::string cell; std::getline(in, cell, '|');) cells.push_back(Trimmed(cell));
  return cells;
}

// One line of a lyric text written as a C string literal.
std::optional<std::string> Literal(const std::string& line) {
  const std::string literal = Trimmed(line);
  if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"') return std::nullopt;
  std::string text;
  for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
    if (literal[i] != '\\') {
      text.push_back(literal[i]);
      continue;
    }
    if (i + 2 >= literal.size()) return std::nullopt;
    switch (literal[++i]) {
      case 'r': text.push_back('\r'); break;
      case 'n': text.push_back('\n'); break;
      case 't': text.push_back('\t'); break;
      case '"': text.push_back('"'); break;
      case '\\': text.push_back('\\'); break;
      default: return std::nullopt;
    }
  }
  return text;
}

class reader {
 public:
  expected_site read(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
      ++line_number_;
      if (line.rfind("#", 0) == 0 && !in_code_) {
        finish_section();
        start_section(line);
      } else if (search_) {
        read_search_line(line);
      } else if (lyric_) {
        read_lyric_line(line);
      }
    }
    finish_section();
    return std::move(site_);
  }

 private:
  void start_section(const std::string& heading) {
    static const std::regex search_heading(R"re(^### Artist "(.*)", title "(.*)"$)re");
    static const std::regex lyric_heading(R"(^### `([^`]+)`.*$)");
    std::smatch match;
    if (std::regex_match(heading, match, search_heading)) {
      search_.emplace();
      search_->artist = match[1];
      search_->title = match[2];
    } else if (std::regex_match(heading, match, lyric_heading)) {
      lyric_.emplace();
      lyric_->path = match[1];
    }
  }

  void read_search_line(const std::string& line) {
    static const std::regex address(R"(^- Search address: `(.+)`$)");
    static const std::regex returns(R"(^- `Search` returns (true|false)$)");
    static const std::regex count(R"(^- (\d+) items: \d+ text, \d+ karaoke; artist always `(.+)`$)");
    static const std::string downloaded = "- Artist pages downloaded, in order: ";
    std::smatch match;
    if (std::regex_match(line, match, address)) {
      search_->search_path = match[1];
    } else if (std::regex_match(line, match, returns)) {
      found_ = match[1] == "true";
    } else if (std::regex_match(line, match, count)) {
      item_count_ = std::stoul(match[1]);
      artist_always_ = match[2];
    } else if (line.rfind(downloaded, 0) == 0) {
      read_artist_pages(line, line.substr(downloaded.size()));
    } else if (line.rfind("| #", 0) == 0) {
      columns_ = Cells(line);
    } else if (line.rfind("|", 0) == 0 && line.rfind("|---", 0) != 0) {
      read_item(line);
    }
    // Other lines explain the case in words.
  }

  void read_artist_pages(const std::string& line, const std::string& list) {
    artist_pages_seen_ = true;
    if (list == "none") return;
    std::istringstream in(list);
    for (std::string entry; std::getline(in, entry, ',');) {
      const std::optional<std::string> path = Quoted(entry);
      if (!path) Unreadable(line_number_, line);
      search_->artist_pages.push_back(*path);
    }
  }

  void read_item(const std::string& line) {
    const std::vector<std::string> cells = Cells(line);
    if (cells.size() != columns_.size()) Unreadable(line_number_, line);
    item_view item{-1, artist_always_, "", "", ""};
    std::size_t position = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (columns_[i] == "#") {
        position = std::stoul(cells[i]);
        continue;
      }
      if (columns_[i] == "kind") {
        item.synced = cells[i] == "text" ? 0 : cells[i] == "karaoke" ? 1 : -1;
        continue;
      }
      const std::optional<std::string> value = Quoted(cells[i]);
      if (!value) Unreadable(line_number_, line);
      if (columns_[i] == "artist") item.artist = *value;
      else if (columns_[i] == "album") item.album = *value;
      else if (columns_[i] == "title") item.title = *value;
      else if (columns_[i] == "address") item.address = site(*value);
      else Unreadable(line_number_, line);
    }
    if (position == 0 || item.synced < 0) Unreadable(line_number_, line);
    search_->items.emplace_back(position, item);
  }

  void read_lyric_line(const std::string& line) {
    static const std::regex size(R"(^- The whole lyric text is (\d+) bytes, with (\d+) LF and (\d+) CR\.$)");
    std::smatch match;
    if (line.rfind("```", 0) == 0) {
      in_code_ = !in_code_;
      if (in_code_ && target_ == nullptr) target_ = &lyric_->text.emplace();
      if (!in_code_) target_ = nullptr;
    } else if (in_code_) {
      const std::optional<std::string> text = Literal(line);
      if (!text) Unreadable(line_number_, line);
      target_->append(*text);
    } else if (std::regex_match(line, match, size)) {
      lyric_->size = lyric_size{std::stoul(match[1]), std::stoul(match[2]), std::stoul(match[3])};
    } else if (line == "- It begins with:") {
      target_ = &lyric_->begins;
    } else if (line == "- and ends with:") {
      target_ = &lyric_->ends;
    }
  }

  void finish_section() {
    if (search_) {
      if (search_->search_path.empty() || !found_ || !artist_pages_seen_) {
        Unreadable(line_number_, "the search \"" + search_->artist + "\", \"" + search_->title + "\" is incomplete");
      }
      search_->found = *found_;
      search_->item_count = item_count_.value_or(search_->items.size());
      // A table without a count line lists every item, in order.
      for (std::size_t i = 0; !item_count_ && i < search_->items.size(); ++i) {
        if (search_->items[i].first != i + 1) {
          Unreadable(line_number_, "the items of \"" + search_->artist + "\", \"" + search_->title + "\" are out of order");
        }
      }
      site_.searches.push_back(std::move(*search_));
    }
    if (lyric_) {
      if (!lyric_->text && !(lyric_->size && !lyric_->begins.empty() && !lyric_->ends.empty())) {
        Unreadable(line_number_, "the lyric page " + lyric_->path + " is incomplete");
      }
      site_.lyrics.push_back(std::move(*lyric_));
    }
    search_.reset();
    lyric_.reset();
    found_.reset();
    item_count_.reset();
    artist_always_.clear();
    artist_pages_seen_ = false;
    columns_.clear();
    target_ = nullptr;
  }

  expected_site site_;
  std::size_t line_number_ = 0;
  bool in_code_ = false;
  // The section being read.
  std::optional<expected_search> search_;
  std::optional<bool> found_;
  std::optional<std::size_t> item_count_;
  std::string artist_always_;
  bool artist_pages_seen_ = false;
  std::vector<std::string> columns_;
  std::optional<expected_lyric> lyric_;
  std::string* target_ = nullptr;  // the text that the next code block goes to
};

}  // namespace

expected_site ReadExpectedSite(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return reader().read(in);
}

}  // namespace scrape
