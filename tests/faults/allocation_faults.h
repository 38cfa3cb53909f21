// The second export of the fault-injection build of the module, foo_lyricsource_melodara_faults:
// it makes the allocations of the module's string class fail on purpose. The module that ships
// has neither this export nor the seam behind it.
#pragma once

#include <cstddef>

// Numbers the string allocations made from now on from 1 and makes allocation number `first`
// fail: that one only (`from_then_on` 0) or it and every one after it (1). 0 fails none.
using melodara_fail_allocations_t = void (*)(std::size_t first, int from_then_on);
inline constexpr const char melodara_fail_allocations_name[] = "melodara_fail_allocations";

// The allocations numbered since the last melodara_fail_allocations, failed ones included.
using melodara_allocations_numbered_t = std::size_t (*)();
inline constexpr const char melodara_allocations_numbered_name[] = "melodara_allocations_numbered";
