// Reference counting on the player's and the panel's side, with every call counted so that
// tests can see what the component did with a reference. The objects belong to whoever built
// them: the count starts at 1 (the builder's reference) and reaching 0 destroys nothing.
#pragma once

#include <atomic>
#include <cstdint>

#include "component/service_ptr.h"

namespace host {

template <typename Interface>
class counted : public Interface {
 public:
  std::int32_t release() override {
    ++releases_;
    return --count_;
  }
  std::int32_t add_ref() override {
    ++add_refs_;
    return ++count_;
  }
  // The component never asks the panel's objects for another class.
  bool query(service_ptr_t<service_base>&, const GUID&) override { return false; }

  std::int32_t count() const noexcept { return count_; }
  int add_refs() const noexcept { return add_refs_; }
  int releases() const noexcept { return releases_; }

 protected:
  counted() = default;
  ~counted() = default;

 private:
  std::atomic<std::int32_t> count_{1};
  std::atomic<int> add_refs_{0};
  std::atomic<int> releases_{0};
};

}  // namespace host
