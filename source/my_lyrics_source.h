// The component's lyric source for the Melodara site.
#pragma once

#include <cstdint>

#include "component/service_ptr.h"
#include "source/lyric_source_base.h"

class my_lyrics_source : public lyric_source_base {
 public:
  using interface_type = lyric_source_base;
  // {78EED2F8-3C92-4998-8CBD-7A1A01D4BF06}, fixed forever: the panel remembers which
  // source a stored lyric came from by it.
  static constexpr GUID source_guid = {
      0x78eed2f8, 0x3c92, 0x4998, {0x8c, 0xbd, 0x7a, 0x1a, 0x01, 0xd4, 0xbf, 0x06}};

  void GetSourceName(pfc::string_base& out) override;
  GUID GetSourceGuid() override;
  bool PrepareSearch(std::uintptr_t first, service_base* service, std::uintptr_t third) override;
  bool Search(const lyric_search_request* request, std::uintptr_t second,
              lyric_result_list* list) override;
  bool LoadLyric(lyric_result_item* item) override;
  bool HasAction() override;
  void RunAction(std::uint32_t value) override;
  void BindHost(lyric_source_host* host) override;

 protected:
  // Releases the bound host, if any.
  ~my_lyrics_source() = default;

 private:
  service_ptr_t<lyric_source_host> host_;
};
