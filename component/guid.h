// The 16-byte class and object identifier, in the Windows memory layout.
#pragma once

#include <cstdint>
#include <cstring>

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
static_assert(sizeof(GUID) == 16, "the player reads GUIDs as 16 bytes");

// Identifiers are equal when all 16 bytes are; no other ordering or normalisation is used.
inline bool operator==(const GUID& a, const GUID& b) noexcept {
  return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}
inline bool operator!=(const GUID& a, const GUID& b) noexcept { return !(a == b); }
