// Byte-level helpers that the scrapers use to cut pieces out of downloaded pages and to
// tidy them. Pages are never parsed into a tree: every piece is found between literal
// markers. All positions are byte offsets, all matching is exact and case-sensitive, and
// nothing is decoded (no entities, no UTF-8 awareness).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace melodara {

// Returns the piece of `text` that follows the chain of `markers` and ends right before
// the next occurrence of the last marker. Every marker but the last is searched from the
// position just past the previous one (the first from `start`) and only moves that
// position forward; the last one ends the piece.
//
//   ExtractBetween("<a href=\"/x-1\">X</a>", 0, {"<a href=\"", "\""}) == "/x-1"
//   ExtractBetween("<i>a</i><i>b</i>", 1, {"<i>", "</i>"}) == "b"
//
// Corners:
//   * a missing marker gives an empty view, and so does a last marker that directly
//     follows the one before it ("<b></b>" with "<b>", "</b>"): callers read both as absent;
//   * a `start` beyond the end of `text` (std::string_view::npos included) gives empty;
//   * no markers at all gives empty.
// The result views into `text`, which the caller keeps alive.
[[nodiscard]] std::string_view ExtractBetween(std::string_view text, std::size_t start,
                                              std::initializer_list<std::string_view> markers);

// Returns `text` without the spaces, tabs, carriage returns and line feeds at either end.
// Only those four bytes count: a vertical tab, a form feed or a UTF-8 no-break space stop
// the trimming. Whitespace inside the text stays.
//
//   TrimWhitespace(" Abc Def\r\n") == "Abc Def"
//   TrimWhitespace(" \t\r\n") == ""
//
// The result views into `text`.
[[nodiscard]] std::string_view TrimWhitespace(std::string_view text);

// Returns `text` without its HTML tags. A tag is a "<" followed by any byte but a space,
// up to and including the first ">" after it. Nothing takes the place of a removed tag.
//
//   StripTags("a <b>bold</b> x < y") == "a bold x < y"
//   StripTags("line<br />next") == "linenext"
//
// Corners:
//   * "< " is text, not a tag: both bytes are kept;
//   * a ">" outside a tag is kept ("1 > 0" stays as it is);
//   * a tag that is never closed drops everything from its "<" on ("text<br" gives "text"),
//     and a "<" as the very last byte is dropped the same way ("a<" gives "a").
[[nodiscard]] std::string StripTags(std::string_view text);

// Appends StripTags(text) to `out`, for a caller that puts the plain text after text of its
// own: it is written where it ends up instead of being built aside and copied there.
//
//   out = "By: ";  AppendWithoutTags(out, "<b>Ann</b>");  // out == "By: Ann"
void AppendWithoutTags(std::string& out, std::string_view text);

// Replaces the occurrences of `search` in `text` by `replacement`, walking from the start:
// after each replacement the next search starts one byte further on (`rescan` off) or at
// the start of the replacement itself (`rescan` on). So with `rescan` off a search may
// start inside a longer replacement, and an empty replacement passes over the byte that
// moves into its place; with `rescan` on a replacement is searched again together with the
// text after it, which is what collapses runs.
//
//   text = "a    b";   ReplaceAll(text, "  ", " ", true);         // text == "a b"
//   text = "a    b";   ReplaceAll(text, "  ", " ", false);        // text == "a  b"
//   text = "a\n\n\nb"; ReplaceAll(text, "\n\n", "\r\n", true);    // text == "a\r\r\nb"
//   text = "x<br /><br />y"; ReplaceAll(text, "<br />", "", false); // text == "x<br />y"
//   text = "aa";       ReplaceAll(text, "a", "ab", false);        // text == "abab"
//
// Callers keep to two limits under which every replacement uses up at least one byte of
// the original text: with `rescan` on the replacement does not hold `search`, with it off
// it holds `search` at most at its very beginning ("a" by "ab" is fine, by "ba" is not).
// Outside them the call still ends: an empty `search` changes nothing, and otherwise the
// walk resumes after the whole replacement.
//
// Linear in the text and the result. `search` and `replacement` may view into `text`.
// A replacement no longer than `search` is made in the text's own buffer, allocating
// nothing; a longer one builds the result aside. When memory runs out `text` is left as
// it was.
//
// With `from` only the part of `text` from that byte on is searched and changed, as if it
// were the whole text; the bytes before it stay as they are. A `from` beyond the end
// changes nothing.
void ReplaceAll(std::string& text, std::string_view search, std::string_view replacement,
                bool rescan, std::size_t from = 0);

}  // namespace melodara
