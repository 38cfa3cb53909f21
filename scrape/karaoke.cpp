#include "scrape/karaoke.h"

#include "text/text_helpers.h"

namespace melodara {

std::string ConvertKaraokeScript(std::string_view page, std::size_t room_after) {
  const std::string_view entries = TrimWhitespace(ExtractBetween(page, 0, {"var syltG", "new Array(", ");"}));
  if (entries.empty()) return {};
  // Closing the last entry like every other one lets three plain substitutions do the work.
  std::string lines;
  lines.reserve(entries.size() + 2 + room_after);
  lines.append(entries).append(", ");
  ReplaceAll(lines, "new Array(\"", "[", false);
  ReplaceAll(lines, "\", \"", "]", false);
  ReplaceAll(lines, "\"), ", "\r\n", false);
  return lines;
}

}  // namespace melodara
