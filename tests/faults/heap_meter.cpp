#include "tests/faults/heap_meter.h"

#include <atomic>

#if defined(__SANITIZE_ADDRESS__)
#define MELODARA_HEAP_METER_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MELODARA_HEAP_METER_SANITIZER 1
#endif
#endif

#if !defined(MELODARA_HEAP_METER_SANITIZER)
#include <malloc.h>
#endif

// The replacements below must be seen by the whole process, the module included, whatever
// visibility the build gives its own symbols.
#define MELODARA_HEAP_METER_EXPORT __attribute__((visibility("default")))

namespace {

// Plain words so that they are ready before any constructor runs: the first allocations of
// the process come before main.
std::atomic<std::size_t> g_in_use{0};
std::atomic<std::size_t> g_peak{0};

void add(std::size_t bytes) noexcept {
  const std::size_t now = g_in_use.fetch_add(bytes, std::memory_order_relaxed) + bytes;
  std::size_t seen = g_peak.load(std::memory_order_relaxed);
  while (now > seen && !g_peak.compare_exchange_weak(seen, now, std::memory_order_relaxed)) {
  }
}

void remove(std::size_t bytes) noexcept { g_in_use.fetch_sub(bytes, std::memory_order_relaxed); }

}  // namespace

#if defined(MELODARA_HEAP_METER_SANITIZER)

// The sanitizer's allocator replaces malloc; it reports every block to these hooks. Declared
// here because not every compiler ships the sanitizer's headers.
extern "C" std::size_t __sanitizer_get_allocated_size(const volatile void* block);

extern "C" MELODARA_HEAP_METER_EXPORT void __sanitizer_malloc_hook(const volatile void* block, std::size_t size) {
  if (block != nullptr) add(size);
}

extern "C" MELODARA_HEAP_METER_EXPORT void __sanitizer_free_hook(const volatile void* block) {
  if (block != nullptr) remove(__sanitizer_get_allocated_size(block));
}

#else

// glibc lets a program replace its malloc family, and then routes its own allocations through
// the replacement too; these count every block by its usable size and hand the work to glibc.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);

namespace {
void* counted(void* block) noexcept {
  if (block != nullptr) add(malloc_usable_size(block));
  return block;
}
}  // namespace

MELODARA_HEAP_METER_EXPORT void* malloc(std::size_t size) { return counted(__libc_malloc(size)); }

MELODARA_HEAP_METER_EXPORT void* calloc(std::size_t count, std::size_t size) { return counted(__libc_calloc(count, size)); }

MELODARA_HEAP_METER_EXPORT void free(void* block) {
  if (block == nullptr) return;
  remove(malloc_usable_size(block));
  __libc_free(block);
}

MELODARA_HEAP_METER_EXPORT void* realloc(void* block, std::size_t size) {
  const std::size_t old_size = block != nullptr ? malloc_usable_size(block) : 0;
  void* moved = __libc_realloc(block, size);
  // A failed realloc keeps the old block; realloc(block, 0) frees it.
  if (moved == nullptr && size != 0) return nullptr;
  remove(old_size);
  return counted(moved);
}

MELODARA_HEAP_METER_EXPORT void* memalign(std::size_t alignment, std::size_t size) {
  return counted(__libc_memalign(alignment, size));
}

MELODARA_HEAP_METER_EXPORT void* aligned_alloc(std::size_t alignment, std::size_t size) {
  return counted(__libc_memalign(alignment, size));
}

MELODARA_HEAP_METER_EXPORT int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
  void* block = counted(__libc_memalign(alignment, size));
  if (block == nullptr) return 12;  // ENOMEM
  *out = block;
  return 0;
}
}

#endif

namespace heap_meter {

std::size_t in_use() noexcept { return g_in_use.load(std::memory_order_relaxed); }

std::size_t peak() noexcept { return g_peak.load(std::memory_order_relaxed); }

void reset_peak() noexcept { g_peak.store(in_use(), std::memory_order_relaxed); }

}  // namespace heap_meter
