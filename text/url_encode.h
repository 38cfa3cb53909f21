// Encodes a query value for the site's search address.
#pragma once

#include <cstdint>

#include "component/pfc_string.h"

namespace melodara {

// Appends `text` (NUL-terminated bytes, read up to the first NUL) to `out` as a query
// value: a space becomes "+", ASCII letters, digits and "_" stay, and every other byte
// becomes "%" and two uppercase hex digits. The set that stays is narrower than RFC 3986's
// unreserved characters: "-", "." and "~" are escaped too. Multi-byte UTF-8 characters are
// escaped byte by byte; nothing is validated.
//
//   out = "q=";  UrlEncode(out, "Tom's Band");  // out == "q=Tom%27s+Band"
//   UrlEncode(out, "\xC3\xA9");                 // appends "%C3%A9"
//
// The encoded text reaches `out` in one append_text call (none for an empty text): the
// player's string grows in small steps, so appending byte by byte would be quadratic.
void UrlEncode(pfc::string_base& out, const char* text);

// Writes `value` into `buffer` (at least 17 bytes) as uppercase hexadecimal digits and a
// NUL, with no leading zeros but never fewer than two digits, and returns `buffer`.
//
//   FormatHex(5, buffer) == "05"
//   FormatHex(171, buffer) == "AB"
//   FormatHex(2748, buffer) == "ABC"
char* FormatHex(std::uint64_t value, char* buffer);

}  // namespace melodara
