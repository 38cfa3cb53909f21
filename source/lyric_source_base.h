// The lyrics panel's interface for lyric sources. Every operation but `BindHost` has the
// panel's default, which a source may keep.
#pragma once

#include <cstdint>

#include "component/pfc_string.h"
#include "component/service_ptr.h"
#include "source/panel.h"

class lyric_source_base : public service_base {
 public:
  // {D096AB97-0B13-4D5E-82A2-3671EF33FFC9}
  static constexpr GUID class_guid = {
      0xd096ab97, 0x0b13, 0x4d5e, {0x82, 0xa2, 0x36, 0x71, 0xef, 0x33, 0xff, 0xc9}};

  // Replaces `out` with the source's display name.
  virtual void GetSourceName(pfc::string_base& out) { out.set_text("<UNKNOWN>", 9); }
  // The source's own fixed identifier, stamped on every item it creates.
  virtual GUID GetSourceGuid() { return GUID{}; }
  // Called before a search; releases `service`, which carries one reference.
  virtual bool PrepareSearch(std::uintptr_t first, service_base* service, std::uintptr_t third) {
    (void)first;
    (void)third;
    const auto released = service_ptr_t<service_base>::adopt(service);
    return false;
  }
  // Adds an item to `list` per lyric found; releases `list`, which carries one reference.
  virtual bool Search(const lyric_search_request* request, std::uintptr_t second,
                      lyric_result_list* list) {
    (void)request;
    (void)second;
    const auto released = service_ptr_t<lyric_result_list>::adopt(list);
    return false;
  }
  // Gives `item` (borrowed, no reference) its lyric text; false when there is none.
  virtual bool LoadLyric(lyric_result_item* item) {
    (void)item;
    return false;
  }
  virtual bool HasAction() { return false; }
  virtual void RunAction(std::uint32_t value) { (void)value; }
  // Binds `host`, which carries one reference, replacing an earlier one; null unbinds.
  virtual void BindHost(lyric_source_host* host) = 0;

 protected:
  ~lyric_source_base() = default;
};
