// The lyrics panel's objects that a lyric source calls: the host object that downloads
// pages, the search request, the result list and its items. All texts are NUL-terminated UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>

#include "component/pfc_string.h"
#include "component/service.h"

// The panel's downloader, bound to a source with `BindHost`.
class lyric_source_host : public service_base {
 public:
  // Table slots 3 and 4: the panel's own; a source never calls them.
  virtual void reserved_slot_3() = 0;
  virtual void reserved_slot_4() = 0;
  // Fills the caller's empty string `out` with the page at `address`, fetched with
  // `user_agent`; an empty `out` means no page. The result is the panel's; sources ignore it.
  // Raises the panel's own errors, which pass through the source unchanged.
  virtual bool DownloadPage(pfc::string_base& out, const char* user_agent, const char* address) = 0;

 protected:
  ~lyric_source_host() = default;
};

// The track a search is for; only the second and fourth words are read, never null.
struct lyric_search_request {
  const void* first;
  const char* artist;
  const void* third;
  const char* title;
};
static_assert(sizeof(lyric_search_request) == 4 * sizeof(void*),
              "the panel lays the search request out as four machine words");

// One result offered to the user. Owned by its result list; not reference counted.
class lyric_result_item {
 public:
  virtual void SetInfo(const char* artist, const char* album, const char* title) = 0;
  // Two stored addresses, the source's GUID and the panel's number for the kind of source.
  virtual void SetSource(const char* first, const char* second, GUID source, std::int32_t kind) = 0;
  // 0 for a text lyric, 1 for a karaoke (timed) lyric.
  virtual void SetSynced(std::int32_t synced) = 0;
  // The item keeps its own copy of `text`.
  virtual void SetLyricText(const char* text) = 0;
  virtual void SetExtra(std::int32_t extra) = 0;
  // Table slot 5: the panel's own; a source never calls it.
  virtual void reserved_slot_5() = 0;
  // Fills the caller's two empty strings with the item's two stored addresses.
  virtual void GetSource(pfc::string_base& first, pfc::string_base& second) = 0;

 protected:
  ~lyric_result_item() = default;
};

// The list a search fills.
class lyric_result_list : public service_base {
 public:
  // A new item owned by the list; never null. The caller neither stores nor releases it.
  virtual lyric_result_item* NewItem() = 0;

 protected:
  ~lyric_result_list() = default;
};

// The one service that a source's action is handed to.
class action_service : public service_base {
 public:
  // {E18FEC82-4525-45D2-BA40-482324D1A399}
  static constexpr GUID class_guid = {
      0xe18fec82, 0x4525, 0x45d2, {0xba, 0x40, 0x48, 0x23, 0x24, 0xd1, 0xa3, 0x99}};

  // Runs the action for `value`; the result is not used.
  virtual bool run(std::uint32_t value) = 0;

 protected:
  ~action_service() = default;
};
