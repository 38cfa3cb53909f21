#include "component/find_unique_service.h"

#include "component/module_state.h"
#include "component/service_exceptions.h"

namespace melodara {

service_ptr_t<service_base> find_unique_service(const GUID& class_guid) {
  player_api& api = *registered_player_api;
  const player_api::class_handle handle = api.find_service_class(class_guid);
  const std::size_t count = api.count_services(handle);
  if (count == 0) throw exception_service_not_found();
  if (count > 1) throw exception_service_duplicated();
  service_ptr_t<service_base> found;
  api.create_service(found, handle, 0);
  return found;
}

}  // namespace melodara
