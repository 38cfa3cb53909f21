// The root of every service class that crosses the boundary to the player or the panel.
#pragma once

#include <cstdint>

#include "component/guid.h"

template <typename T>
class service_ptr_t;

// Table slots 0 to 2 of every service class; a derived class's operations follow them.
class service_base {
 public:
  // Drops one reference; returns the new count. At 0 the object is gone.
  virtual std::int32_t release() = 0;
  // Takes one reference; returns the new count.
  virtual std::int32_t add_ref() = 0;
  // When `guid` is this object's class GUID: counts a reference for the caller, releases what
  // `out` held, stores this object in `out` and returns true. Otherwise returns false and
  // leaves `out` alone. `out` is the address of the caller's one-word holder.
  virtual bool query(service_ptr_t<service_base>& out, const GUID& guid) = 0;

 protected:
  ~service_base() = default;
};
