// Every text helper and the query encoder against its literal reference walk, byte for byte,
// on inputs within the helpers' limits; outside them ReplaceAll must still end.
//
// Input: one byte that picks the helper (its value modulo 8) and its options,
// then the arguments separated by 0x1E.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "component/pfc_string8.h"
#include "fuzz/fuzz_input.h"
#include "tests/text/replace_reference.h"
#include "text/find_marker.h"
#include "text/text_helpers.h"
#include "text/url_encode.h"

namespace {

namespace ref = melodara::reference;

// A start position from its piece: mostly inside or just past the text, sometimes npos.
std::size_t StartFrom(std::string_view piece, std::size_t text_size) {
  if (piece.empty()) return 0;
  if (piece[0] == '\xff') return std::string_view::npos;
  return static_cast<unsigned char>(piece[0]) % (text_size + 3);
}

std::string_view Extract(std::string_view text, std::size_t start, const std::vector<std::string>& m) {
  switch (m.size()) {
    case 1: return melodara::ExtractBetween(text, start, {m[0]});
    case 2: return melodara::ExtractBetween(text, start, {m[0], m[1]});
    case 3: return melodara::ExtractBetween(text, start, {m[0], m[1], m[2]});
    default: return melodara::ExtractBetween(text, start, {m[0], m[1], m[2], m[3]});
  }
}

void FuzzExtractBetween(const std::vector<std::string_view>& pieces) {
  const std::string text(pieces[0]);
  const std::size_t start = StartFrom(pieces[1], text.size());
  std::vector<std::string> markers;
  for (std::size_t index = 2; index < pieces.size() && markers.size() < 4; ++index) {
    markers.emplace_back(pieces[index]);
  }
  if (markers.empty()) markers.emplace_back();
  fuzz::Check(Extract(text, start, markers) == ref::ExtractBetweenWalk(text, start, markers), "ExtractBetween");
}

// With `views_into_text` the search and the replacement are views into the text itself, which
// the helper allows: pieces 1 and 2 then give only their lengths and where the search lies.
// Piece 3 gives the byte from which on the text is changed.
void FuzzReplaceAll(const std::vector<std::string_view>& pieces, bool rescan, bool views_into_text) {
  std::string text(pieces[0]);
  const std::size_t from = StartFrom(pieces[3], text.size());
  std::string_view search = pieces[1];
  std::string_view replacement = pieces[2];
  if (views_into_text) {
    const std::size_t at = StartFrom(pieces[1], text.size()) % (text.size() + 1);
    search = std::string_view(text).substr(at, pieces[1].size());
    replacement = std::string_view(text).substr(0, pieces[2].size());
  }
  const std::string search_copy(search);
  const std::string replacement_copy(replacement);
  const std::string before = text;
  melodara::ReplaceAll(text, search, replacement, rescan, from);
  if (from > before.size() || search_copy.empty()) {
    fuzz::Check(text == before, "ReplaceAll from beyond the end, or of an empty search, changes nothing");
    return;
  }
  if (!ref::RespectsReplaceLimits(search_copy, replacement_copy, rescan)) {
    return;  // outside the limits the call must still end: a hang is the fuzzer's timeout
  }
  std::string changed = before.substr(from);
  ref::ReplaceAllWalk(changed, search_copy, replacement_copy, rescan);
  fuzz::Check(text == before.substr(0, from) + changed, "ReplaceAll");
}

void FuzzUrlEncode(const std::vector<std::string_view>& pieces) {
  const std::string prefix = fuzz::UpToNul(pieces[0]);
  const std::string text(pieces[1]);  // read by the encoder up to its first NUL
  pfc::string8 out;
  out.set_text(prefix.data(), prefix.size());
  melodara::UrlEncode(out, text.c_str());
  fuzz::Check(out.get_text() == prefix + ref::UrlEncodeWalk(text.c_str()), "UrlEncode");
}

void FuzzFormatHex(std::string_view bytes) {
  std::uint64_t value = 0;
  std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof value));
  char buffer[17];
  char expected[32];
  std::snprintf(expected, sizeof expected, "%02" PRIX64, value);
  fuzz::Check(std::string_view(melodara::FormatHex(value, buffer)) == expected, "FormatHex");
}

// The marker search that every scan uses, against the standard library's, from every start.
void FuzzFindMarker(const std::vector<std::string_view>& pieces) {
  const std::string_view text = pieces[0];
  const std::string_view marker = pieces[1];
  for (std::size_t from = 0; from <= text.size() + 1; ++from) {
    fuzz::Check(melodara::FindMarker(text, marker, from) == text.find(marker, from), "FindMarker");
  }
  fuzz::Check(melodara::FindMarker(text, marker, std::string_view::npos) == std::string_view::npos,
              "FindMarker from npos");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned selector = data[0];
  const std::vector<std::string_view> pieces =
      fuzz::SplitInput(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), 6);
  switch (selector % 8) {
    case 0:
      FuzzExtractBetween(pieces);
      break;
    case 1: {
      const std::string text(pieces[0]);
      fuzz::Check(melodara::TrimWhitespace(text) == ref::TrimWhitespaceWalk(text), "TrimWhitespace");
      break;
    }
    case 2: {
      const std::string text(pieces[0]);
      fuzz::Check(melodara::StripTags(text) == ref::StripTagsWalk(text), "StripTags");
      break;
    }
    case 3:
    case 4:
      FuzzReplaceAll(pieces, selector % 8 == 4, (selector & 0x80) != 0);
      break;
    case 5:
      FuzzUrlEncode(pieces);
      break;
    case 6:
      FuzzFindMarker(pieces);
      break;
    default:
      FuzzFormatHex(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
      break;
  }
  return 0;
}
