// What the process holds on its heap, for tests that must show that an operation frees
// everything it took (nothing leaks on an error path) or stays within a memory budget. Every
// allocation counts, the component's module included: the module's allocations go through
// the same malloc as the test's.
#pragma once

#include <cstddef>

namespace heap_meter {

// Bytes now allocated and not yet freed.
std::size_t in_use() noexcept;

// The most bytes held at once since the last reset_peak().
std::size_t peak() noexcept;

// Starts a new peak from what is held now.
void reset_peak() noexcept;

}  // namespace heap_meter
