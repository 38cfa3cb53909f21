// The player's service registry: the component's factories and any services a test or tool
// registers of its own, found by class GUID as the player finds them.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "component/client.h"

namespace host {

class service_registry : public player_api {
 public:
  // Builds one new reference to a service each time it is called.
  using maker = std::function<void(service_ptr_t<service_base>& out)>;

  service_registry() = default;
  service_registry(const service_registry&) = delete;
  service_registry& operator=(const service_registry&) = delete;
  virtual ~service_registry() = default;

  // Registers a service under `class_guid`, after those already there.
  void add(const GUID& class_guid, maker make);
  // Registers every record of a module's factory list under its class GUID.
  void add_factories(service_factory_base* head);

  class_handle find_service_class(const GUID& guid) override;
  bool create_service(service_ptr_t<service_base>& out, class_handle handle,
                      std::size_t index) override;
  std::size_t count_services(class_handle handle) override;

 private:
  struct service_class {
    GUID guid;
    std::vector<maker> makers;
  };
  service_class& class_for(const GUID& guid);

  // Stable addresses: a class's handle is the address of its entry.
  std::vector<std::unique_ptr<service_class>> classes_;
};

}  // namespace host
