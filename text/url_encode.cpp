#include "text/url_encode.h"

#include <cstring>
#include <string>

namespace melodara {
namespace {

constexpr std::size_t kHexDigits = 16;
constexpr std::size_t kMinimumDigits = 2;

[[nodiscard]] bool PassesUnchanged(unsigned char byte) {
  return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= '0' && byte <= '9') || byte == '_';
}

}  // namespace

char* FormatHex(std::uint64_t value, char* buffer) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  char digits[kHexDigits];
  for (std::size_t index = kHexDigits; index-- > 0; value >>= 4) {
    digits[index] = kDigits[static_cast<unsigned>(value & 0xFU)];
  }
  std::size_t leading_zeros = 0;
  while (leading_zeros < kHexDigits - kMinimumDigits && digits[leading_zeros] == '0') {
    ++leading_zeros;
  }
  const std::size_t kept = kHexDigits - leading_zeros;
  std::memcpy(buffer, digits + leading_zeros, kept);
  buffer[kept] = '\0';
  return buffer;
}

void UrlEncode(pfc::string_base& out, const char* text) {
  const std::size_t length = std::strlen(text);
  if (length == 0) {
    return;
  }
  std::string encoded;
  encoded.reserve(length * 3);  // the longest encoding of a byte, "%XX"
  char hex[kHexDigits + 1];
  for (std::size_t index = 0; index < length; ++index) {
    const auto byte = static_cast<unsigned char>(text[index]);
    if (byte == ' ') {
      encoded.push_back('+');
    } else if (PassesUnchanged(byte)) {
      encoded.push_back(text[index]);
    } else {
      encoded.push_back('%');
      encoded.append(FormatHex(byte, hex));
    }
  }
  out.append_text(encoded.data(), encoded.size());
}

}  // namespace melodara
