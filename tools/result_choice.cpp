#include "tools/result_choice.h"

namespace lookup {
namespace {

bool is_karaoke(const host::result_item& item) { return item.synced == 1; }

bool is_of_kind(const host::result_item& item, wanted_kind kind) {
  return is_karaoke(item) == (kind == wanted_kind::karaoke);
}

}  // namespace

const char* kind_name(const host::result_item& item) { return is_karaoke(item) ? "karaoke" : "text"; }

wanted_kind settled_kind(const host::result_list& results, wanted_kind wanted) {
  if (wanted != wanted_kind::karaoke_if_any) return wanted;
  return count_of_kind(results, wanted_kind::karaoke) > 0 ? wanted_kind::karaoke : wanted_kind::text;
}

std::optional<chosen_result> pick_result(const host::result_list& results, wanted_kind kind, std::size_t pick) {
  std::size_t seen = 0;
  std::size_t number = 0;
  for (const auto& item : results.items()) {
    ++number;
    if (is_of_kind(*item, kind) && ++seen == pick) return chosen_result{item.get(), number};
  }
  return std::nullopt;
}

std::size_t count_of_kind(const host::result_list& results, wanted_kind kind) {
  std::size_t count = 0;
  for (const auto& item : results.items()) {
    if (is_of_kind(*item, kind)) ++count;
  }
  return count;
}

}  // namespace lookup
