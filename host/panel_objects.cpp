#include "host/panel_objects.h"

#include <map>

namespace host {

page_source pages_from_map(std::vector<std::pair<std::string, std::string>> pages) {
  auto by_address = std::make_shared<std::map<std::string, std::string>>(pages.begin(), pages.end());
  return [by_address](const std::string& address) -> std::optional<std::string> {
    const auto found = by_address->find(address);
    if (found == by_address->end()) return std::nullopt;
    return found->second;
  };
}

void call_faults::count(const char* operation) {
  ++calls_;
  if (calls_ == failing_call_) {
    throw panel_fault("panel fault at call " + std::to_string(calls_) + " (" + operation + ")");
  }
}

bool panel_host::DownloadPage(pfc::string_base& out, const char* user_agent, const char* address) {
  if (faults_ != nullptr) faults_->count("DownloadPage");
  downloads_.push_back({user_agent, address});
  const std::optional<std::string> page = pages_(address);
  if (!page) return false;
  // One call with the whole page: the component's string grows in small steps.
  out.set_text(page->data(), page->size());
  return true;
}

void result_item::SetInfo(const char* artist_text, const char* album_text, const char* title_text) {
  count("SetInfo");
  artist = artist_text;
  album = album_text;
  title = title_text;
}

void result_item::SetSource(const char* first, const char* second, GUID source, std::int32_t kind_value) {
  count("SetSource");
  first_source = first;
  second_source = second;
  source_guid = source;
  kind = kind_value;
}

void result_item::SetSynced(std::int32_t value) {
  count("SetSynced");
  synced = value;
}

void result_item::SetLyricText(const char* text) {
  count("SetLyricText");
  lyric = text;
}

void result_item::SetExtra(std::int32_t value) {
  count("SetExtra");
  extra = value;
}

void result_item::reserved_slot_5() { count("reserved_slot_5"); }

// The failing call raises before it is recorded or does anything.
void result_item::count(const char* operation) {
  if (faults_ != nullptr) faults_->count(operation);
  calls.emplace_back(operation);
}

void result_item::GetSource(pfc::string_base& first, pfc::string_base& second) {
  count("GetSource");
  first.set_text(first_source.c_str(), first_source.size());
  second.set_text(second_source.c_str(), second_source.size());
}

lyric_result_item* result_list::NewItem() {
  if (faults_ != nullptr) faults_->count("NewItem");
  items_.push_back(std::make_unique<result_item>(faults_));
  return items_.back().get();
}

}  // namespace host
