#include "tools/json_report.h"

#include "tools/result_choice.h"

namespace lookup {
namespace {

void add_fields(json& object, const host::result_item& item) {
  object["kind"] = kind_name(item);
  object["artist"] = item.artist;
  object["album"] = item.album;
  object["title"] = item.title;
  object["address"] = item.second_source;
}

}  // namespace

json result_json(const host::result_item& item, std::size_t number) {
  json object = {{"number", number}};
  add_fields(object, item);
  return object;
}

json results_json(const host::result_list& results) {
  json list = json::array();
  for (const auto& item : results.items()) list.push_back(result_json(*item, list.size() + 1));
  return list;
}

json lyric_json(const host::result_item& item, std::optional<std::size_t> number) {
  json object = json::object();
  if (number) object["number"] = *number;
  add_fields(object, item);
  object["text"] = item.lyric.value_or("");
  return object;
}

std::string json_text(const json& document) {
  return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace lookup
