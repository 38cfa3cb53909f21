// The component's reference-counting wrappers around its service classes. Each wrapped class
// names the interface it is registered under as `interface_type`; its `query` answers that
// interface's class GUID and no other.
#pragma once

#include <cstdint>

#include "component/service_ptr.h"
#include "platform/atomic_counter.h"

namespace melodara {

// The query every service class answers: true only for `own`, counting a reference for the
// caller before releasing what `out` held.
inline bool answer_query(service_base& self, service_ptr_t<service_base>& out, const GUID& asked,
                         const GUID& own) noexcept {
  if (asked != own) return false;
  out.copy(&self);
  return true;
}

}  // namespace melodara

// A heap object counted from 0; destroyed and freed by the release that reaches 0.
template <typename T>
class service_impl_t final : public T {
 public:
  std::int32_t release() override {
    const std::int32_t count = counter_.decrement();
    if (count == 0) delete this;
    return count;
  }
  std::int32_t add_ref() override { return counter_.increment(); }
  bool query(service_ptr_t<service_base>& out, const GUID& guid) override {
    return melodara::answer_query(*this, out, guid, T::interface_type::class_guid);
  }

 private:
  platform::atomic_counter counter_;
};

// An object in static storage for the module's whole life: counting does nothing.
template <typename T>
class service_impl_single_t final : public T {
 public:
  std::int32_t release() override { return 1; }
  std::int32_t add_ref() override { return 1; }
  bool query(service_ptr_t<service_base>& out, const GUID& guid) override {
    return melodara::answer_query(*this, out, guid, T::interface_type::class_guid);
  }
};
