// Panel objects for searches that give hundreds of thousands of items: a result list that
// keeps a summary of what it was given instead of every item, so that the memory a test
// measures is the component's, and a host object that hands out pages without copying them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/counted.h"
#include "source/panel.h"

namespace adversarial {

// One item as a search fills it.
struct item_record {
  std::int32_t synced = -1;
  std::string artist, album, title, address;

  bool operator==(const item_record& other) const {
    return synced == other.synced && artist == other.artist && album == other.album &&
           title == other.title && address == other.address;
  }
};

// FNV-1a over `text`: two texts agree when their digests do (for texts too long to keep).
std::uint64_t TextDigest(std::string_view text);

// A checksum over a run of items, in order: two runs agree when their items do.
class item_digest {
 public:
  void add(const item_record& item);
  std::uint64_t value() const noexcept { return value_; }
  std::size_t count() const noexcept { return count_; }

 private:
  void mix(const std::string& text);

  std::uint64_t value_ = 14695981039346656037ULL;
  std::size_t count_ = 0;
};

// Hands out one item object again and again (the component never keeps an item past its
// last call); each item is summed up when the next one is asked for, or by finish().
class summary_list : public host::counted<lyric_result_list> {
 public:
  virtual ~summary_list() = default;
  lyric_result_item* NewItem() override;
  // Sums up the last item; call once the search has ended.
  void finish();

  const item_digest& digest() const noexcept { return digest_; }
  const item_record& first() const noexcept { return first_; }
  const item_record& last() const noexcept { return item_.record; }

 private:
  class item : public lyric_result_item {
   public:
    void SetInfo(const char* artist, const char* album, const char* title) override;
    void SetSource(const char* first, const char* second, GUID source, std::int32_t kind) override;
    void SetSynced(std::int32_t synced) override { record.synced = synced; }
    void SetLyricText(const char*) override {}
    void SetExtra(std::int32_t) override {}
    void reserved_slot_5() override {}
    void GetSource(pfc::string_base&, pfc::string_base&) override {}

    item_record record;
  };

  item item_;
  bool open_ = false;
  item_record first_;
  item_digest digest_;
};

// An item that gives back one address and keeps only the length and digest of the lyric it is
// handed: the item's own copy of a huge lyric is the panel's memory, not the component's.
class digest_item : public lyric_result_item {
 public:
  explicit digest_item(std::string address) : address_(std::move(address)) {}
  void SetInfo(const char*, const char*, const char*) override {}
  void SetSource(const char*, const char*, GUID, std::int32_t) override {}
  void SetSynced(std::int32_t) override {}
  void SetLyricText(const char* text) override;
  void SetExtra(std::int32_t) override {}
  void reserved_slot_5() override {}
  void GetSource(pfc::string_base& first, pfc::string_base& second) override;

  bool has_lyric = false;
  std::size_t lyric_length = 0;
  std::uint64_t lyric_digest = 0;

 private:
  std::string address_;
};

// A host object over pages that the test holds: each download copies the page into the
// component's string once, as the panel does, and nothing else. Counts its downloads.
class page_server : public host::counted<lyric_source_host> {
 public:
  // The page for an address; null for none.
  using pages = std::function<const std::string*(const std::string& address)>;
  explicit page_server(pages served) : served_(std::move(served)) {}
  virtual ~page_server() = default;

  void reserved_slot_3() override {}
  void reserved_slot_4() override {}
  bool DownloadPage(pfc::string_base& out, const char* user_agent, const char* address) override;

  std::size_t downloads() const noexcept { return downloads_; }
  const std::string& first_address() const noexcept { return first_address_; }

 private:
  pages served_;
  std::size_t downloads_ = 0;
  std::string first_address_;
};

}  // namespace adversarial
