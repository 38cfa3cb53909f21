#include "tools/result_table.h"

#include <algorithm>
#include <array>
#include <vector>

#include "tools/result_choice.h"

namespace lookup {
namespace {

constexpr std::size_t kColumns = 6;
using row = std::array<std::string, kColumns>;

// Characters in UTF-8 text: every byte that does not continue a sequence.
std::size_t characters_in(const std::string& text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

std::string results_table(const host::result_list& results) {
  std::vector<row> rows{{"#", "kind", "artist", "album", "title", "address"}};
  std::size_t number = 0;
  for (const auto& item : results.items()) {
    rows.push_back({std::to_string(++number), kind_name(*item), item->artist, item->album, item->title,
                    item->second_source});
  }
  std::array<std::size_t, kColumns> widths{};
  for (const row& line : rows) {
    for (std::size_t column = 0; column < kColumns; ++column) {
      widths[column] = std::max(widths[column], characters_in(line[column]));
    }
  }
  std::string table;
  for (const row& line : rows) {
    for (std::size_t column = 0; column < kColumns; ++column) {
      table += line[column];
      if (column + 1 < kColumns) table.append(widths[column] - characters_in(line[column]) + 2, ' ');
    }
    table += '\n';
  }
  return table;
}

}  // namespace lookup
