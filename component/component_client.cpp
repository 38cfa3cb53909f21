#include "component/component_client.h"

#include <cstring>

#include "component/factory_list.h"
#include "component/module_state.h"
#include "platform/termination.h"

namespace melodara {

pfc::string8& module_file_name() noexcept {
  static pfc::string8 name;
  return name;
}

my_component_client::my_component_client() { platform::install_termination_handler(); }

std::int32_t my_component_client::client_version() { return 77; }

service_factory_base* my_component_client::service_list() { return factory_list_head; }

void my_component_client::store_config(stream_writer*, abort_callback&) {
  // No configuration variables are registered, so there is no record to write.
}

void my_component_client::load_config(stream_reader* in, abort_callback& abort) {
  // Each record is a 16-byte GUID, a 32-bit little-endian length and that many bytes. With no
  // variables registered, every record is skipped; a stream that ends inside a GUID ends the load.
  for (;;) {
    unsigned char guid[16];
    if (in->read(guid, sizeof(guid), abort) < sizeof(guid)) return;
    unsigned char size[4];
    in->read_exact(size, sizeof(size), abort);
    const std::uint64_t length = std::uint64_t{size[0]} | std::uint64_t{size[1]} << 8 |
                                 std::uint64_t{size[2]} << 16 | std::uint64_t{size[3]} << 24;
    in->skip_exact(length, abort);
  }
}

void my_component_client::set_module_path(const char*, const char* file_name) {
  module_file_name().set_text(file_name, std::strlen(file_name));
}

void my_component_client::set_services_ready(bool) {
  // Nothing in the component waits for the player's services.
}

bool my_component_client::is_debug_build() { return false; }

}  // namespace melodara
