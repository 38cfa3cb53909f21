// The results and the lyric as JSON, for scripts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "host/panel_objects.h"

namespace lookup {

using json = nlohmann::ordered_json;

// {"number", "kind", "artist", "album", "title", "address"} for the `number`-th result.
[[nodiscard]] json result_json(const host::result_item& item, std::size_t number);

// Every result, numbered from 1 as in the table.
[[nodiscard]] json results_json(const host::result_list& results);

// The result's fields (with "number" only when given) and "text": the lyric text as the
// component handed it over.
[[nodiscard]] json lyric_json(const host::result_item& item, std::optional<std::size_t> number);

// `document` as indented UTF-8 text with a final LF. Texts are written as they are (no
// \u escapes for letters); a byte sequence that is not UTF-8, which JSON cannot carry, is
// written as U+FFFD.
[[nodiscard]] std::string json_text(const json& document);

}  // namespace lookup
