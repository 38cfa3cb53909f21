// A 32-bit reference counter changed only by the processor's atomic operations.
#pragma once

#include <cstdint>

#ifdef _WIN32
// The compiler intrinsics that the system's InterlockedIncrement and InterlockedDecrement stand
// for (full barriers), without bringing <windows.h> into every file that counts references.
#include <intrin.h>
#else
#include <atomic>
#endif

namespace platform {

class atomic_counter {
 public:
  // Both return the new value.
#ifdef _WIN32
  std::int32_t increment() noexcept { return _InterlockedIncrement(&value_); }
  std::int32_t decrement() noexcept { return _InterlockedDecrement(&value_); }

 private:
  long volatile value_ = 0;
#else
  std::int32_t increment() noexcept { return value_.fetch_add(1, std::memory_order_relaxed) + 1; }
  std::int32_t decrement() noexcept { return value_.fetch_sub(1, std::memory_order_acq_rel) - 1; }

 private:
  std::atomic<std::int32_t> value_{0};
#endif
};

}  // namespace platform
