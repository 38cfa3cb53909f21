// The one-word holder of a counted reference to a service. Kept apart from the interfaces:
// it is a helper of either side, not part of any table.
#pragma once

#include <utility>

#include "component/service.h"

template <typename T>
class service_ptr_t {
 public:
  service_ptr_t() noexcept = default;
  service_ptr_t(const service_ptr_t& other) noexcept : ptr_(other.ptr_) {
    if (ptr_ != nullptr) ptr_->add_ref();
  }
  service_ptr_t(service_ptr_t&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  service_ptr_t& operator=(service_ptr_t other) noexcept {
    std::swap(ptr_, other.ptr_);
    return *this;
  }
  ~service_ptr_t() { reset(); }

  // Takes over the reference that `raw` carries: for service pointers passed by value,
  // adopted as the called operation's first step so that every exit releases them.
  [[nodiscard]] static service_ptr_t adopt(T* raw) noexcept {
    service_ptr_t held;
    held.ptr_ = raw;
    return held;
  }

  // Points at `target` with a reference of its own: counts the new target first (so that
  // replacing an object by itself never drops it to 0), then releases the old one, then
  // stores the new one.
  void copy(T* target) noexcept {
    if (target != nullptr) target->add_ref();
    if (ptr_ != nullptr) ptr_->release();
    ptr_ = target;
  }

  // Hands the reference to the caller, leaving the holder empty.
  [[nodiscard]] T* detach() noexcept { return std::exchange(ptr_, nullptr); }

  void reset() noexcept {
    if (T* old = std::exchange(ptr_, nullptr)) old->release();
  }

  [[nodiscard]] T* get() const noexcept { return ptr_; }
  T* operator->() const noexcept { return ptr_; }
  T& operator*() const noexcept { return *ptr_; }
  explicit operator bool() const noexcept { return ptr_ != nullptr; }

 private:
  T* ptr_ = nullptr;
};
static_assert(sizeof(service_ptr_t<service_base>) == sizeof(void*),
              "a service pointer crosses the boundary as one machine word");
