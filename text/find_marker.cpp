#include "text/find_marker.h"

#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define MELODARA_FIND_MARKER_SSE2 1
#include <emmintrin.h>
#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif
#endif

// GCC and clang build an AVX2 variant beside, chosen at run time on processors that have it.
#if defined(MELODARA_FIND_MARKER_SSE2) && (defined(__GNUC__) || defined(__clang__)) && \
    (defined(__x86_64__) || defined(__i386__))
#define MELODARA_FIND_MARKER_AVX2 1
#include <immintrin.h>
#endif

namespace melodara {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

// Most candidates differ from the marker in their second byte: a plain loop settles them
// sooner than a call to memcmp.
bool SameBytes(const char* text, const char* marker, std::size_t count) noexcept {
  for (std::size_t index = 0; index < count; ++index) {
    if (text[index] != marker[index]) return false;
  }
  return true;
}

// What the block scans share: the marker, and where its candidates are tested.
struct marker_scan {
  const char* data;         // the text
  std::size_t last_start;   // the last position where the marker fits in the text
  std::string_view marker;  // at least two bytes

  // The first start among the set bits of `candidates` (starts at `base`) where the whole
  // marker lies, or kNotFound.
  std::size_t Verify(std::size_t base, unsigned candidates) const noexcept {
    while (candidates != 0) {
#if defined(_MSC_VER) && !defined(__clang__)
      unsigned long bit;
      _BitScanForward(&bit, candidates);
#else
      const auto bit = static_cast<unsigned>(__builtin_ctz(candidates));
#endif
      const std::size_t start = base + bit;
      if (SameBytes(data + start + 1, marker.data() + 1, marker.size() - 2)) return start;
      candidates &= candidates - 1;
    }
    return kNotFound;
  }
};

#if defined(MELODARA_FIND_MARKER_SSE2)
// Tests sixteen starts at a time, from `at`, while the last byte of the sixteenth still lies
// in the text. Returns the first start found, or kNotFound with `at` where the blocks ended.
std::size_t ScanBlocks16(const marker_scan& scan, std::size_t& at) noexcept {
  const __m128i firsts = _mm_set1_epi8(scan.marker.front());
  const __m128i lasts = _mm_set1_epi8(scan.marker.back());
  const std::size_t last_offset = scan.marker.size() - 1;
  for (; at + 16 <= scan.last_start + 1; at += 16) {
    const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(scan.data + at));
    const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(scan.data + at + last_offset));
    const auto candidates = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(heads, firsts), _mm_cmpeq_epi8(tails, lasts))));
    if (candidates != 0) {
      const std::size_t found = scan.Verify(at, candidates);
      if (found != kNotFound) return found;
    }
  }
  return kNotFound;
}
#endif

#if defined(MELODARA_FIND_MARKER_AVX2)
__attribute__((target("avx2"))) std::size_t ScanBlocks32(const marker_scan& scan, std::size_t& at) noexcept {
  const __m256i firsts = _mm256_set1_epi8(scan.marker.front());
  const __m256i lasts = _mm256_set1_epi8(scan.marker.back());
  const std::size_t last_offset = scan.marker.size() - 1;
  for (; at + 32 <= scan.last_start + 1; at += 32) {
    const __m256i heads = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(scan.data + at));
    const __m256i tails = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(scan.data + at + last_offset));
    const auto candidates = static_cast<unsigned>(_mm256_movemask_epi8(
        _mm256_and_si256(_mm256_cmpeq_epi8(heads, firsts), _mm256_cmpeq_epi8(tails, lasts))));
    if (candidates != 0) {
      const std::size_t found = scan.Verify(at, candidates);
      if (found != kNotFound) return found;
    }
  }
  return kNotFound;
}

bool HasAvx2() noexcept {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

}  // namespace

std::size_t FindMarker(std::string_view text, std::string_view marker, std::size_t from) noexcept {
  if (from > text.size()) return kNotFound;
  if (marker.empty()) return from;
  if (marker.size() == 1) {
    const void* found = std::memchr(text.data() + from, marker.front(), text.size() - from);
    return found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : kNotFound;
  }
  if (text.size() - from < marker.size()) return kNotFound;

  const marker_scan scan{text.data(), text.size() - marker.size(), marker};
  std::size_t at = from;
#if defined(MELODARA_FIND_MARKER_AVX2)
  if (HasAvx2()) {
    const std::size_t found = ScanBlocks32(scan, at);
    if (found != kNotFound) return found;
  }
#endif
#if defined(MELODARA_FIND_MARKER_SSE2)
  const std::size_t found = ScanBlocks16(scan, at);
  if (found != kNotFound) return found;
#endif
  // The last starts, one at a time.
  for (; at <= scan.last_start; ++at) {
    if (scan.data[at] == marker.front() && scan.data[at + marker.size() - 1] == marker.back() &&
        SameBytes(scan.data + at + 1, marker.data() + 1, marker.size() - 2)) {
      return at;
    }
  }
  return kNotFound;
}

}  // namespace melodara
