#include "text/text_helpers.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace melodara {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;
constexpr std::string_view kWhitespace = " \t\r\n";

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
    const std::size_t found = text.find(*leading, position);
    if (found == kNotFound) {
      return {};
    }
    position = found + leading->size();
  }
  // find() finds nothing from beyond the end, the not-found position included, so a start
  // there needs no test of its own.
  const std::size_t end = text.find(*last, position);
  if (end == kNotFound) {
    return {};
  }
  return text.substr(position, end - position);
}

std::string_view TrimWhitespace(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kWhitespace);
  if (first == kNotFound) {
    return {};
  }
  const std::size_t last = text.find_last_not_of(kWhitespace);
  return text.substr(first, last - first + 1);
}

std::string StripTags(std::string_view text) {
  std::string result;
  std::size_t position = 0;
  while (position < text.size()) {
    const std::size_t open = text.find('<', position);
    result.append(text.substr(position, open - position));
    if (open == kNotFound || open + 1 == text.size()) {
      break;  // no more tags, or a "<" with nothing after it, dropped like an open tag
    }
    if (text[open + 1] == ' ') {
      // "< " is a comparison in running text; the space is copied on the next round.
      result.push_back('<');
      position = open + 1;
      continue;
    }
    const std::size_t close = text.find('>', open + 1);
    if (close == kNotFound) {
      break;  // an unterminated tag swallows the rest of the text
    }
    position = close + 1;
  }
  return result;
}

void ReplaceAll(std::string& text, std::string_view search, std::string_view replacement,
                bool rescan) {
  if (search.empty()) {
    return;
  }
  const std::string_view original(text);
  std::size_t occurrence = original.find(search);
  if (occurrence == kNotFound) {
    return;
  }
  const std::vector<std::size_t> reach_back_lengths =
      ReachBackLengths(search, replacement, rescan);
  // Without rescan an empty replacement makes the walk step over the byte that moves into
  // the place of the removed occurrence.
  const bool skips_moved_byte = !rescan && replacement.empty();

  // The result is built aside, so that the text keeps its place while it is read (and
  // `search` or `replacement` may view into it), no byte of it is moved once per
  // occurrence, and a failed allocation leaves it as it was.
  std::string result;
  result.reserve(text.size());
  std::size_t next = 0;  // the first byte of the original not yet taken over
  while (occurrence != kNotFound) {
    result.append(original.substr(next, occurrence - next));
    next = occurrence + search.size();
    // While the next occurrence starts inside the replacement just made and runs on into
    // the original text, that replacement is written only up to where the occurrence starts.
    for (;;) {
      const std::size_t reach = ReachBack(reach_back_lengths, search, original.data() + next,
                                          original.size() - next);
      if (reach == 0) {
        break;
      }
      result.append(replacement.data(), replacement.size() - reach);
      next += search.size() - reach;
    }
    result.append(replacement);
    if (skips_moved_byte && next < original.size()) {
      result.push_back(original[next++]);
    }
    occurrence = original.find(search, next);
  }
  result.append(original.substr(next));
  text = std::move(result);
}

}  // namespace melodara
