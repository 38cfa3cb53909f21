// GUIDs in the checks' messages. In the global namespace, beside GUID, for the checks to find.
#pragma once

#include <cstdint>
#include <ostream>

#include "component/guid.h"

inline std::ostream& operator<<(std::ostream& out, const GUID& guid) {
  const auto flags = out.flags();
  out << std::hex << guid.Data1 << '-' << guid.Data2 << '-' << guid.Data3;
  for (const std::uint8_t byte : guid.Data4) out << '-' << static_cast<unsigned>(byte);
  out.flags(flags);
  return out;
}
