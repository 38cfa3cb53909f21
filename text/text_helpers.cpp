#include "text/text_helpers.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#include "text/find_marker.h"

namespace melodara {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

[[nodiscard]] bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The lengths by which an occurrence of `search` can reach back into the part of a
// replacement that the walk searches again (all of it with rescan, all but its first byte
// without), longest first: the earliest start is met first. Under the caller's limits no
// occurrence lies wholly inside that part, so every length is shorter than `search`. When
// the limits are broken the list is empty, so that the walk resumes after the replacement.
[[nodiscard]] std::vector<std::size_t> ReachBackLengths(std::string_view search,
                                                        std::string_view replacement,
                                                        bool rescan) {
  std::vector<std::size_t> lengths;
  const std::size_t searched_from = rescan ? 0 : 1;
  const std::string_view searched = replacement.substr(std::min(searched_from, replacement.size()));
  if (searched.find(search) != kNotFound) {
    return lengths;
  }
  for (std::size_t length = std::min(searched.size(), search.size() - 1); length > 0; --length) {
    if (StartsWith(search, searched.substr(searched.size() - length))) {
      lengths.push_back(length);
    }
  }
  return lengths;
}

// The first of `lengths` by which an occurrence reaches back from the original text at
// `rest` (`rest_size` bytes, right after a replacement) into that replacement, or 0 when
// none does. Runs once per byte on runs such as spaces, so it stays on raw bytes.
[[nodiscard]] std::size_t ReachBack(const std::vector<std::size_t>& lengths,
                                    std::string_view search, const char* rest,
                                    std::size_t rest_size) {
  const std::size_t* const end = lengths.data() + lengths.size();
  for (const std::size_t* length = lengths.data(); length != end; ++length) {
    const std::size_t needed = search.size() - *length;
    if (needed <= rest_size && std::memcmp(rest, search.data() + *length, needed) == 0) {
      return *length;
    }
  }
  return 0;
}

}  // namespace

std::string_view ExtractBetween(std::string_view text, std::size_t start,
                                std::initializer_list<std::string_view> markers) {
  if (markers.size() == 0) {
    return {};
  }
  std::size_t position = start;
  const std::string_view* const last = markers.end() - 1;
  for (const std::string_view* leading = markers.begin(); leading != last; ++leading) {
    const std::size_t found = FindMarker(text, *leading, position);
    if (found == kNotFound) {
      return {};
    }
    position = found + leading->size();
  }
  // FindMarker finds nothing from beyond the end, the not-found position included, so a
  // start there needs no test of its own.
  const std::size_t end = FindMarker(text, *last, position);
  if (end == kNotFound) {
    return {};
  }
  return text.substr(position, end - position);
}

std::string_view TrimWhitespace(std::string_view text) {
  // A plain loop: find_first_not_of looks each byte up in the set through memchr.
  const auto is_whitespace = [](char byte) {
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
  };
  std::size_t first = 0;
  while (first < text.size() && is_whitespace(text[first])) {
    ++first;
  }
  if (first == text.size()) {
    return {};
  }
  std::size_t end = text.size();
  while (is_whitespace(text[end - 1])) {
    --end;
  }
  return text.substr(first, end - first);
}

std::string StripTags(std::string_view text) {
  std::string result;
  result.reserve(text.size());  // the most it can hold: it never grows past that
  AppendWithoutTags(result, text);
  return result;
}

void AppendWithoutTags(std::string& out, std::string_view text) {
  std::size_t position = 0;
  while (position < text.size()) {
    const std::size_t open = text.find('<', position);
    out.append(text.substr(position, open - position));
    if (open == kNotFound || open + 1 == text.size()) {
      break;  // no more tags, or a "<" with nothing after it, dropped like an open tag
    }
    if (text[open + 1] == ' ') {
      // "< " is a comparison in running text; the space is copied on the next round.
      out.push_back('<');
      position = open + 1;
      continue;
    }
    const std::size_t close = text.find('>', open + 1);
    if (close == kNotFound) {
      break;  // an unterminated tag swallows the rest of the text
    }
    position = close + 1;
  }
}

namespace {

// Where the replacement walk writes its result. Into the text's own buffer, behind the
// position it reads from, when no replacement is longer than what it replaces: nothing is
// allocated and every byte moves once.
class InPlaceOutput {
 public:
  explicit InPlaceOutput(char* buffer) noexcept : buffer_(buffer) {}
  void append(std::string_view bytes) noexcept {
    if (bytes.empty()) return;  // an empty view may hold no pointer at all
    std::memmove(buffer_ + size_, bytes.data(), bytes.size());
    size_ += bytes.size();
  }
  void push_back(char byte) noexcept { buffer_[size_++] = byte; }
  std::size_t size() const noexcept { return size_; }

 private:
  char* buffer_;
  std::size_t size_ = 0;
};

// Into a new string otherwise, and when the search or the replacement views into the text.
class AsideOutput {
 public:
  explicit AsideOutput(std::size_t room) { result_.reserve(room); }
  void append(std::string_view bytes) { result_.append(bytes); }
  void push_back(char byte) { result_.push_back(byte); }
  std::string& result() noexcept { return result_; }

 private:
  std::string result_;
};

[[nodiscard]] bool ViewsInto(std::string_view part, const std::string& text) noexcept {
  const std::less<const char*> before;
  return !part.empty() && !before(part.data(), text.data()) && before(part.data(), text.data() + text.size());
}

// Writes `original` with its occurrences replaced to `output`, starting at the first
// occurrence, already found at `occurrence`. Reads every byte of `original` before
// `output` can overwrite it.
template <typename Output>
void ReplaceOccurrences(std::string_view original, std::string_view search,
                        std::string_view replacement, bool rescan, std::size_t occurrence,
                        const std::vector<std::size_t>& reach_back_lengths, Output& output) {
  // Without rescan an empty replacement makes the walk step over the byte that moves into
  // the place of the removed occurrence.
  const bool skips_moved_byte = !rescan && replacement.empty();
  std::size_t next = 0;  // the first byte of the original not yet taken over
  while (occurrence != kNotFound) {
    output.append(original.substr(next, occurrence - next));
    next = occurrence + search.size();
    // While the next occurrence starts inside the replacement just made and runs on into
    // the original text, that replacement is written only up to where the occurrence starts.
    for (;;) {
      const std::size_t reach = ReachBack(reach_back_lengths, search, original.data() + next,
                                          original.size() - next);
      if (reach == 0) {
        break;
      }
      output.append(replacement.substr(0, replacement.size() - reach));
      next += search.size() - reach;
    }
    output.append(replacement);
    if (skips_moved_byte && next < original.size()) {
      output.push_back(original[next++]);
    }
    occurrence = FindMarker(original, search, next);
  }
  output.append(original.substr(next));
}

}  // namespace

void ReplaceAll(std::string& text, std::string_view search, std::string_view replacement,
                bool rescan, std::size_t from) {
  if (search.empty() || from > text.size()) {
    return;
  }
  const std::string_view changed = std::string_view(text).substr(from);
  const std::size_t occurrence = FindMarker(changed, search);
  if (occurrence == kNotFound) {
    return;
  }
  const std::vector<std::size_t> reach_back_lengths =
      ReachBackLengths(search, replacement, rescan);
  if (replacement.size() <= search.size() && !ViewsInto(search, text) &&
      !ViewsInto(replacement, text)) {
    InPlaceOutput output(text.data() + from);
    ReplaceOccurrences(changed, search, replacement, rescan, occurrence, reach_back_lengths, output);
    text.resize(from + output.size());
    return;
  }
  // Built aside, so that the text keeps its place while it is read, no byte of it is moved
  // once per occurrence, and a failed allocation leaves it as it was.
  AsideOutput output(text.size());
  output.append(std::string_view(text).substr(0, from));
  ReplaceOccurrences(changed, search, replacement, rescan, occurrence, reach_back_lengths, output);
  text = std::move(output.result());
}

}  // namespace melodara
