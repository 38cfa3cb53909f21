// A seam in the string allocation for the fault-injection build of the tests. The module
// that ships compiles it away.
#pragma once

namespace melodara {

#ifdef MELODARA_ALLOCATION_FAULTS
// True when the allocation now being made is to fail; defined by the fault-injection build.
bool allocation_should_fail() noexcept;
#else
constexpr bool allocation_should_fail() noexcept { return false; }
#endif

}  // namespace melodara
