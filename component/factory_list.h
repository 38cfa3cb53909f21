// The component's factory records and the list they link themselves into at load.
#pragma once

#include <new>

#include "component/factory.h"
#include "component/pfc_string.h"
#include "component/service_impl.h"

namespace melodara {

// The head of the module's factory list: null until the first record links itself in.
inline service_factory_base* factory_list_head = nullptr;

}  // namespace melodara

// A record offered under the class GUID of interface I; it links itself in front of the
// list when it is built, and nothing unlinks it again.
template <typename I>
class service_factory_base_t : public service_factory_base {
 protected:
  service_factory_base_t() noexcept : service_factory_base(melodara::factory_list_head, I::class_guid) {
    melodara::factory_list_head = this;
  }
  ~service_factory_base_t() = default;
};

// Hands out a new counted instance of T per call, with a count of 1.
template <typename T>
class service_factory_t : public service_factory_base_t<typename T::interface_type> {
 public:
  void create_instance(service_ptr_t<service_base>& out) override {
    auto* instance = new (std::nothrow) service_impl_t<T>();
    if (instance == nullptr) throw pfc::exception_bad_alloc();
    out.copy(instance);
  }
};

// Hands out the one instance of T stored inside the record, right after its three words.
template <typename T>
class service_factory_single_t : public service_factory_base_t<typename T::interface_type> {
 public:
  void create_instance(service_ptr_t<service_base>& out) override { out.copy(&instance_); }

 private:
  service_impl_single_t<T> instance_;
};
