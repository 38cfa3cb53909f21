// The component's single client object.
#pragma once

#include "component/client.h"

namespace melodara {

class my_component_client : public component_client {
 public:
  // Installs the handler for the run-time's termination signals.
  my_component_client();

  std::int32_t client_version() override;
  service_factory_base* service_list() override;
  void store_config(stream_writer* out, abort_callback& abort) override;
  void load_config(stream_reader* in, abort_callback& abort) override;
  void set_module_path(const char* path, const char* file_name) override;
  void set_services_ready(bool ready) override;
  bool is_debug_build() override;
};

}  // namespace melodara
