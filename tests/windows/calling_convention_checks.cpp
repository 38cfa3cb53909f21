// The tables called the way the player's compiler calls them, spelled out here rather than left
// to this compiler's defaults: the object in ECX, the arguments on the stack, popped by the
// callee (thiscall), and the export as a plain cdecl function.
#include <cstddef>
#include <cstdint>

#include "checks.h"
#include "component/client.h"
#include "host/dynamic_library.h"
#include "host/host_string.h"
#include "runner.h"
#include "source/lyric_source_base.h"

namespace wine_checks {
namespace {

#pragma GCC diagnostic push
// GCC applies thiscall to plain function pointers as asked, and under -Wpedantic says so.
#pragma GCC diagnostic ignored "-Wattributes"
using entry_call = component_client*(__cdecl*)(player_api* api, void* instance);
using no_argument_call = std::int32_t(__thiscall*)(void* self);
using create_instance_call = void(__thiscall*)(void* self, service_base** out);
using query_call = bool(__thiscall*)(void* self, service_base** out, const GUID* guid);
using string_call = void(__thiscall*)(void* self, pfc::string_base* out);
#pragma GCC diagnostic pop

// The index-th entry of the table of `object`.
template <typename Call>
Call slot(const void* object, std::size_t index) {
  const auto* table = *static_cast<void* const* const*>(object);
  return reinterpret_cast<Call>(table[index]);
}

}  // namespace

void check_calling_convention(const context& run) {
  const auto entry = reinterpret_cast<entry_call>(
      host::find_library_symbol(host::open_library(run.files.module), foobar2000_get_interface_name));
  component_client* client = entry(&run.registry, nullptr);
  CHECK(client == &run.module.client());
  CHECK_EQ(slot<no_argument_call>(client, 0)(client), 77);  // client_version

  service_factory_base* source_factory = client->service_list();
  service_base* source = nullptr;
  slot<create_instance_call>(source_factory, 0)(source_factory, &source);
  CHECK(source != nullptr);
  if (source == nullptr) return;
  CHECK_EQ(slot<no_argument_call>(source, 1)(source), 2);  // add_ref
  CHECK_EQ(slot<no_argument_call>(source, 0)(source), 1);  // release

  service_base* queried = nullptr;
  CHECK(slot<query_call>(source, 2)(source, &queried, &lyric_source_base::class_guid));
  CHECK(queried == source);
  CHECK_EQ(slot<no_argument_call>(source, 0)(source), 1);

  host::text_string name("old name");
  slot<string_call>(source, 3)(source, &name);  // GetSourceName
  CHECK_EQ(name.str(), "Online DB: Melodara");
  CHECK_EQ(slot<no_argument_call>(source, 0)(source), 0);
}

}  // namespace wine_checks
