#include "host/module.h"

#include <stdexcept>

#include "host/dynamic_library.h"

namespace host {

std::string file_name_of(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

loaded_module::loaded_module(const std::string& path, player_api& api) {
  entry_ = reinterpret_cast<foobar2000_get_interface_t>(
      find_library_symbol(open_library(path), foobar2000_get_interface_name));
  if (entry_ == nullptr) {
    throw std::runtime_error(path + ": no export named " + foobar2000_get_interface_name);
  }
  client_ = entry_(&api, nullptr);
  client_->set_module_path(path.c_str(), file_name_of(path).c_str());
}

std::vector<service_factory_base*> loaded_module::factories() const {
  std::vector<service_factory_base*> records;
  for (service_factory_base* record = client_->service_list(); record != nullptr; record = record->next) {
    records.push_back(record);
  }
  return records;
}

service_ptr_t<service_base> loaded_module::create(const GUID& class_guid) const {
  service_ptr_t<service_base> instance;
  for (service_factory_base* record : factories()) {
    if (*record->class_guid == class_guid) {
      record->create_instance(instance);
      break;
    }
  }
  return instance;
}

}  // namespace host
