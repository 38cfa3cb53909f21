#include "tests/adversarial/summary_list.h"

namespace adversarial {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

std::uint64_t Mix(std::uint64_t value, std::string_view text) {
  for (const char byte : text) value = (value ^ static_cast<unsigned char>(byte)) * kFnvPrime;
  return value;
}

}  // namespace

std::uint64_t TextDigest(std::string_view text) { return Mix(kFnvOffset, text); }

void item_digest::mix(const std::string& text) {
  // The bytes, then a separator that no text of an item holds.
  value_ = (Mix(value_, text) ^ 0x100U) * kFnvPrime;
}

void item_digest::add(const item_record& item) {
  mix(std::to_string(item.synced));
  mix(item.artist);
  mix(item.album);
  mix(item.title);
  mix(item.address);
  ++count_;
}

lyric_result_item* summary_list::NewItem() {
  finish();
  item_.record = item_record{};
  open_ = true;
  return &item_;
}

void summary_list::finish() {
  if (!open_) return;
  if (digest_.count() == 0) first_ = item_.record;
  digest_.add(item_.record);
  open_ = false;
}

void summary_list::item::SetInfo(const char* artist, const char* album, const char* title) {
  record.artist = artist;
  record.album = album;
  record.title = title;
}

void summary_list::item::SetSource(const char*, const char* second, GUID, std::int32_t) {
  record.address = second;
}

void digest_item::SetLyricText(const char* text) {
  const std::string_view lyric(text);
  has_lyric = true;
  lyric_length = lyric.size();
  lyric_digest = TextDigest(lyric);
}

void digest_item::GetSource(pfc::string_base& first, pfc::string_base& second) {
  first.set_text(address_.data(), address_.size());
  second.set_text(address_.data(), address_.size());
}

bool page_server::DownloadPage(pfc::string_base& out, const char*, const char* address) {
  if (downloads_++ == 0) first_address_ = address;
  const std::string* page = served_(address);
  if (page == nullptr) return false;
  out.set_text(page->data(), page->size());
  return true;
}

}  // namespace adversarial
