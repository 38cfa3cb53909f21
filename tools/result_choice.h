// Which of a search's results `get` loads.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "host/panel_objects.h"
#include "tools/command_line.h"

namespace lookup {

// "karaoke" for a synced item, "text" otherwise: the word that tables and JSON use.
[[nodiscard]] const char* kind_name(const host::result_item& item);

// The kind that `wanted` comes down to for these results: karaoke_if_any becomes karaoke
// when at least one result is karaoke, text otherwise; the others stay as they are.
[[nodiscard]] wanted_kind settled_kind(const host::result_list& results, wanted_kind wanted);

struct chosen_result {
  host::result_item* item;
  std::size_t number;  // 1-based, in the list of all results
};

// The `pick`-th (1-based) result of kind `kind` (karaoke or text), in the source's order;
// nothing when there are fewer.
[[nodiscard]] std::optional<chosen_result> pick_result(const host::result_list& results, wanted_kind kind,
                                                       std::size_t pick);

// How many results are of kind `kind` (karaoke or text).
[[nodiscard]] std::size_t count_of_kind(const host::result_list& results, wanted_kind kind);

}  // namespace lookup
