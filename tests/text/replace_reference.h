// Plain step-by-step versions of the text helpers, used as the expected results in
// differential tests, fuzzers and benchmarks. They are written for obviousness, not speed:
// the replacement walk edits the text in place and is quadratic, so keep the inputs small.
// Header-only and free of project includes, so any test target can take it as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace melodara::reference {

// Whether ReplaceAllWalk ends for this pair: the search text is not empty, and the
// replacement holds it nowhere the walk searches again (anywhere with rescan, anywhere but
// its very beginning without).
inline bool RespectsReplaceLimits(std::string_view search, std::string_view replacement,
                                  bool rescan) {
  return !search.empty() && replacement.find(search, rescan ? 0 : 1) == std::string_view::npos;
}

// Search from the search position, replace in place, then stay (rescan) or step one byte.
// Loops forever outside RespectsReplaceLimits.
inline void ReplaceAllWalk(std::string& text, std::string_view search,
                           std::string_view replacement, bool rescan) {
  const std::string search_text(search);
  const std::string replacement_text(replacement);
  std::size_t position = 0;
  for (;;) {
    position = text.find(search_text, position);
    if (position == std::string::npos) {
      return;
    }
    text.replace(position, search_text.size(), replacement_text);
    if (!rescan) {
      ++position;
    }
  }
}

// Copies byte by byte; a "<" not followed by a space opens a tag that ends at the next ">".
// A "<" with nothing after it, like a tag that is never closed, ends the walk.
inline std::string StripTagsWalk(const std::string& text) {
  std::string result;
  std::size_t position = 0;
  while (position < text.size()) {
    if (text[position] != '<') {
      result += text[position];
      ++position;
    } else if (position + 1 == text.size()) {
      break;
    } else if (text[position + 1] == ' ') {
      result += '<';
      ++position;
    } else {
      const std::size_t close = text.find('>', position);
      if (close == std::string::npos) {
        break;
      }
      position = close + 1;
    }
  }
  return result;
}

// Every marker but the last moves the position past its occurrence; the last ends the piece.
inline std::string ExtractBetweenWalk(const std::string& text, std::size_t start,
                                      const std::vector<std::string>& markers) {
  std::string result;
  if (markers.empty()) {
    return result;
  }
  std::size_t position = start;
  for (std::size_t index = 0; index + 1 < markers.size(); ++index) {
    const std::size_t found = text.find(markers[index], position);
    if (found == std::string::npos) {
      return result;
    }
    position = found + markers[index].size();
  }
  if (position == std::string::npos) {
    return result;
  }
  const std::size_t end = text.find(markers.back(), position);
  if (end == std::string::npos) {
    return result;
  }
  result = text.substr(position, end - position);
  return result;
}

inline bool IsTrimmedWhitespace(char byte) {
  return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

// Finds the first and the last byte that are not whitespace and keeps what lies between.
inline std::string TrimWhitespaceWalk(const std::string& text) {
  std::size_t first = 0;
  while (first < text.size() && IsTrimmedWhitespace(text[first])) {
    ++first;
  }
  if (first == text.size()) {
    return std::string();
  }
  std::size_t last = text.size() - 1;
  while (IsTrimmedWhitespace(text[last])) {
    --last;
  }
  return text.substr(first, last - first + 1);
}

// Space to "+", ASCII letters, digits and "_" as they are, anything else "%" and two
// uppercase hex digits; stops at the first NUL.
inline std::string UrlEncodeWalk(const char* text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string result;
  for (const char* at = text; *at != '\0'; ++at) {
    const auto byte = static_cast<unsigned char>(*at);
    if (byte == ' ') {
      result += '+';
    } else if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
               (byte >= '0' && byte <= '9') || byte == '_') {
      result += *at;
    } else {
      result += '%';
      result += kDigits[byte / 16];
      result += kDigits[byte % 16];
    }
  }
  return result;
}

}  // namespace melodara::reference
