// The inputs of the benchmarks: the large pages of the bundled site, adversarial texts of a
// given size, and panel objects that cost as little as the panel's can, so that the time
// measured is the component's.
#pragma once

#include <cstdint>
#include <string>

#include "host/counted.h"
#include "source/panel.h"

namespace bench {

// A file of the bundled site, relative to its directory; the program stops when it is missing.
const std::string& SitePage(const std::string& relative_path);

// `piece` repeated up to `bytes`.
std::string Repeated(std::string_view piece, std::size_t bytes);

// An artist page of `bytes` or a little more: song rows with both links, in tables of 13.
std::string ArtistPageOfSize(std::size_t bytes);

// A host object whose every download is the one page it holds (the search page for search
// addresses), copied into the component's string as the panel does.
class memory_host : public host::counted<lyric_source_host> {
 public:
  memory_host(const std::string& search_page, const std::string& other_page)
      : search_page_(search_page), other_page_(other_page) {}
  virtual ~memory_host() = default;
  void reserved_slot_3() override {}
  void reserved_slot_4() override {}
  bool DownloadPage(pfc::string_base& out, const char* user_agent, const char* address) override;

 private:
  const std::string& search_page_;
  const std::string& other_page_;
};

// A result list that counts its items and hands out one item that keeps nothing: the
// component never keeps an item past its last call.
class counting_list : public host::counted<lyric_result_list> {
 public:
  virtual ~counting_list() = default;
  lyric_result_item* NewItem() override {
    ++items;
    return &item_;
  }
  std::size_t items = 0;

 private:
  class item : public lyric_result_item {
   public:
    void SetInfo(const char*, const char*, const char*) override {}
    void SetSource(const char*, const char*, GUID, std::int32_t) override {}
    void SetSynced(std::int32_t) override {}
    void SetLyricText(const char*) override {}
    void SetExtra(std::int32_t) override {}
    void reserved_slot_5() override {}
    void GetSource(pfc::string_base&, pfc::string_base&) override {}
  };
  item item_;
};

// An item that gives back one address and keeps the length of the lyric it is handed.
class address_item : public lyric_result_item {
 public:
  explicit address_item(std::string address) : address_(std::move(address)) {}
  void SetInfo(const char*, const char*, const char*) override {}
  void SetSource(const char*, const char*, GUID, std::int32_t) override {}
  void SetSynced(std::int32_t) override {}
  void SetLyricText(const char* text) override;
  void SetExtra(std::int32_t) override {}
  void reserved_slot_5() override {}
  void GetSource(pfc::string_base& first, pfc::string_base& second) override;

  std::size_t lyric_length = 0;

 private:
  std::string address_;
};

}  // namespace bench
