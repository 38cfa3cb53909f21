// Loads the component the way the player does and prints its component-list entry and its
// factory list.
#include <cstdio>
#include <exception>

#include "component/componentversion.h"
#include "host/host_string.h"
#include "host/module.h"
#include "host/registry.h"

namespace {

void print_guid(const GUID& g) {
  std::printf("{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2, g.Data3,
              g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6],
              g.Data4[7]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s MODULE\n", argv[0]);
    return 2;
  }
  try {
    host::service_registry registry;
    const host::loaded_module module(argv[1], registry);
    service_ptr_t<service_base> made = module.create(componentversion::class_guid);
    auto* version = static_cast<componentversion*>(made.get());
    host::text_string text;
    version->get_file_name(text);
    std::printf("File name: %s\n", text.get_text());
    version->get_component_name(text);
    std::printf("Name:      %s\n", text.get_text());
    version->get_component_version(text);
    std::printf("Version:   %s\n", text.get_text());
    version->get_about_message(text);
    std::printf("About:\n%s\n", text.get_text());
    std::printf("Factories (client version %d):\n", module.client().client_version());
    for (const service_factory_base* record : module.factories()) {
      std::printf("  ");
      print_guid(*record->class_guid);
      std::printf("\n");
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "component_info: %s\n", error.what());
    return 3;
  }
  return 0;
}
