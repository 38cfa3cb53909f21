// The component's own implementation of the player's string class. Its buffer grows in
// small steps (16 bytes of slack) and shrinks back when more than 32 bytes lie unused, as
// the player's does; callers that build large texts collect them elsewhere and hand them
// over in one call.
#pragma once

#include <cstddef>

#include "component/pfc_string.h"

namespace pfc {

// The allocation policy of the player's standard strings. Raw memory; null when exhausted.
struct alloc_standard {
  static void* reallocate(void* block, std::size_t size) noexcept;
  static void release(void* block) noexcept;
};

template <typename Allocator>
class string8_t : public string_base {
 public:
  constexpr string8_t() noexcept = default;
  string8_t(const string8_t&) = delete;
  string8_t& operator=(const string8_t&) = delete;
  ~string8_t() { Allocator::release(buffer_); }

  void append_text(const char* text, std::size_t max_length) override;
  const char* get_text() const override { return buffer_ != nullptr ? buffer_ : ""; }
  void set_text(const char* text, std::size_t max_length) override;
  void shorten_to(std::size_t length) override;
  std::size_t text_length() const override { return length_; }
  char* open_buffer(std::size_t size) override;
  void close_buffer() override;

  // The bytes the buffer holds, terminator room included; 0 before the first allocation.
  std::size_t capacity() const noexcept { return capacity_; }

 private:
  // Applies the buffer policy for `needed` bytes (text plus terminator). Raises
  // exception_bad_alloc and leaves everything as it was when the buffer cannot grow.
  void fit_buffer(std::size_t needed);

  char* buffer_ = nullptr;
  std::size_t capacity_ = 0;
  std::size_t length_ = 0;
};

using string8 = string8_t<alloc_standard>;
extern template class string8_t<alloc_standard>;

}  // namespace pfc
