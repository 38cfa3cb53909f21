// The lyric source as the panel uses it: its name and GUID, the references it takes and gives
// back, the labels that reach the player's shared.dll, and its action.
#include <cstdint>
#include <string>
#include <vector>

#include "checks.h"
#include "guid_text.h"
#include "host/host_string.h"
#include "host/panel_objects.h"
#include "runner.h"
#include "source/lyric_source_base.h"

namespace wine_checks {
namespace {

constexpr GUID kSourceGuid = {
    0x78eed2f8, 0x3c92, 0x4998, {0x8c, 0xbd, 0x7a, 0x1a, 0x01, 0xd4, 0xbf, 0x06}};

class any_service : public host::counted<service_base> {};

service_ptr_t<lyric_source_base> new_source(const context& run) {
  service_ptr_t<service_base> made = run.module.create(lyric_source_base::class_guid);
  return service_ptr_t<lyric_source_base>::adopt(static_cast<lyric_source_base*>(made.detach()));
}

std::string joined(const std::vector<std::string>& labels) {
  std::string text;
  for (const std::string& label : labels) text += label + "; ";
  return text;
}

void check_identity(const context& run) {
  service_ptr_t<lyric_source_base> first = new_source(run);
  service_ptr_t<lyric_source_base> second = new_source(run);
  host::text_string name("old name");
  first->GetSourceName(name);
  CHECK_EQ(name.str(), "Online DB: Melodara");
  CHECK_EQ(first->GetSourceGuid(), kSourceGuid);
  CHECK_EQ(second->GetSourceGuid(), kSourceGuid);
  CHECK(first->HasAction());
}

void check_prepare_search(const context& run) {
  service_ptr_t<lyric_source_base> source = new_source(run);
  any_service service;
  service.add_ref();
  run.shared.clear_history();
  CHECK(source->PrepareSearch(1, &service, 3));
  CHECK_EQ(service.count(), 1);
  CHECK(source->PrepareSearch(0, nullptr, 0));
  CHECK_EQ(joined(run.shared.history()), "my_lyrics_source::PrepareSearch; my_lyrics_source::PrepareSearch; ");
  CHECK_EQ(run.shared.depth(), 0u);
}

void check_binding(const context& run) {
  host::panel_host first(host::pages_from_map({}));
  host::panel_host second(host::pages_from_map({}));
  {
    service_ptr_t<lyric_source_base> source = new_source(run);
    first.add_ref();  // the panel's reference, carried by the argument
    source->BindHost(&first);
    CHECK_EQ(first.count(), 2);
    second.add_ref();
    source->BindHost(&second);
    CHECK_EQ(first.count(), 1);
    CHECK_EQ(second.count(), 2);
  }
  CHECK_EQ(second.count(), 1);  // the last release of the source let go of its host
}

void check_action(const context& run) {
  service_ptr_t<lyric_source_base> source = new_source(run);
  host::recording_action action;
  run.registry.add(action_service::class_guid, [&action](service_ptr_t<service_base>& out) { out.copy(&action); });
  source->RunAction(0xDEADBEEF);
  CHECK(action.values == std::vector<std::uint32_t>{0xDEADBEEF});
  CHECK_EQ(action.count(), 1);
  CHECK_EQ(action.releases(), 1);
}

}  // namespace

void check_source(const context& run) {
  check_identity(run);
  check_prepare_search(run);
  check_binding(run);
  check_action(run);
}

}  // namespace wine_checks
