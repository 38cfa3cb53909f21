// What the player and the component hand each other through the export.
#pragma once

#include <cstddef>
#include <cstdint>

#include "component/factory.h"
#include "component/service_ptr.h"
#include "component/streams.h"

// The player's service registry, handed to the export.
class player_api {
 public:
  // An opaque handle for the services registered under a class GUID.
  using class_handle = const void*;

  // The handle of the class named by `guid`.
  virtual class_handle find_service_class(const GUID& guid) = 0;
  // Stores a new reference to the index-th service of the class in `out`; the result is not
  // consulted by the component.
  virtual bool create_service(service_ptr_t<service_base>& out, class_handle handle,
                              std::size_t index) = 0;
  // How many services are registered under the class.
  virtual std::size_t count_services(class_handle handle) = 0;

 protected:
  ~player_api() = default;
};

// The component's single client object, returned by the export.
class component_client {
 public:
  // The interface version the component was built for: 77.
  virtual std::int32_t client_version() = 0;
  // The first record of the component's factory list.
  virtual service_factory_base* service_list() = 0;
  // Writes the component's configuration records to `out` (it has none: writes nothing).
  virtual void store_config(stream_writer* out, abort_callback& abort) = 0;
  // Reads and discards the stored configuration records; the stream's own exceptions pass.
  virtual void load_config(stream_reader* in, abort_callback& abort) = 0;
  // Hands over the module's full path and file name; the file name replaces the stored one.
  virtual void set_module_path(const char* path, const char* file_name) = 0;
  // The player's report that its services are, or are no longer, available.
  virtual void set_services_ready(bool ready) = 0;
  // False: the component is a release build.
  virtual bool is_debug_build() = 0;

 protected:
  ~component_client() = default;
};

// The module's one export, a plain C function:
//   component_client* foobar2000_get_interface(player_api* api, void* instance);
// It stores `api` (replacing an earlier one) and returns the single client object.
using foobar2000_get_interface_t = component_client* (*)(player_api* api, void* instance);
inline constexpr const char foobar2000_get_interface_name[] = "foobar2000_get_interface";
