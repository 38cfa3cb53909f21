#include "host/registry.h"

namespace host {

service_registry::service_class& service_registry::class_for(const GUID& guid) {
  for (const auto& entry : classes_) {
    if (entry->guid == guid) return *entry;
  }
  classes_.push_back(std::make_unique<service_class>(service_class{guid, {}}));
  return *classes_.back();
}

void service_registry::add(const GUID& class_guid, maker make) {
  class_for(class_guid).makers.push_back(std::move(make));
}

void service_registry::add_factories(service_factory_base* head) {
  for (service_factory_base* record = head; record != nullptr; record = record->next) {
    add(*record->class_guid, [record](service_ptr_t<service_base>& out) { record->create_instance(out); });
  }
}

player_api::class_handle service_registry::find_service_class(const GUID& guid) {
  return &class_for(guid);
}

bool service_registry::create_service(service_ptr_t<service_base>& out, class_handle handle,
                                      std::size_t index) {
  const auto& makers = static_cast<const service_class*>(handle)->makers;
  if (index >= makers.size()) return false;
  makers[index](out);
  return true;
}

std::size_t service_registry::count_services(class_handle handle) {
  return static_cast<const service_class*>(handle)->makers.size();
}

}  // namespace host
