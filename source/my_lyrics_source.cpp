#include "source/my_lyrics_source.h"


#include "component/find_unique_service.h"
#include "platform/call_stack.h"
#include "scrape/lyric_page.h"
#include "scrape/search_page.h"

namespace {

constexpr char kSourceName[] = "Online DB: Melodara";

}  // namespace

void my_lyrics_source::GetSourceName(pfc::string_base& out) {
  out.set_text(kSourceName, sizeof(kSourceName) - 1);
}

GUID my_lyrics_source::GetSourceGuid() { return source_guid; }

bool my_lyrics_source::PrepareSearch(std::uintptr_t, service_base* service, std::uintptr_t) {
  const auto owned = service_ptr_t<service_base>::adopt(service);
  { const platform::call_stack_scope scope("my_lyrics_source::PrepareSearch"); }
  return true;
}

bool my_lyrics_source::Search(const lyric_search_request* request, std::uintptr_t,
                              lyric_result_list* list) {
  const auto owned_list = service_ptr_t<lyric_result_list>::adopt(list);
  const platform::call_stack_scope scope("my_lyrics_source::Search");
  // A source the panel never bound has nowhere to download from: it finds nothing.
  if (!host_) return false;
  return melodara::SearchSite(*host_, *request, *owned_list, GetSourceGuid());
}

bool my_lyrics_source::LoadLyric(lyric_result_item* item) {
  if (!host_) return false;
  return melodara::LoadLyricPage(*host_, *item);
}

bool my_lyrics_source::HasAction() { return true; }

void my_lyrics_source::RunAction(std::uint32_t value) {
  const service_ptr_t<service_base> found = melodara::find_unique_service(action_service::class_guid);
  static_cast<action_service*>(found.get())->run(value);
}

void my_lyrics_source::BindHost(lyric_source_host* host) {
  auto argument = service_ptr_t<lyric_source_host>::adopt(host);
  host_.copy(host);
}
