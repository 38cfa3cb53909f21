#include "component/pfc_string8.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "component/alloc_hook.h"

namespace pfc {

void* alloc_standard::reallocate(void* block, std::size_t size) noexcept {
  if (melodara::allocation_should_fail()) return nullptr;
  return std::realloc(block, size);
}

void alloc_standard::release(void* block) noexcept { std::free(block); }

namespace {

constexpr std::size_t kGrowthSlack = 16;
constexpr std::size_t kShrinkThreshold = 32;

// The byte count of `text` up to `max_length` or its first NUL.
std::size_t bounded_length(const char* text, std::size_t max_length) noexcept {
  // Nothing to read: the pointer may be null, as an empty std::string_view's is.
  if (max_length == 0) return 0;
  const void* nul = std::memchr(text, '\0', max_length);
  return nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text)
                        : max_length;
}

}  // namespace

template <typename Allocator>
void string8_t<Allocator>::fit_buffer(std::size_t needed) {
  std::size_t target = capacity_;
  if (capacity_ < needed) {
    if (needed > std::numeric_limits<std::size_t>::max() - kGrowthSlack) {
      throw exception_bad_alloc();
    }
    target = needed + kGrowthSlack;
  } else if (capacity_ - needed > kShrinkThreshold) {
    target = needed;
  }
  if (target == capacity_) return;
  void* grown = Allocator::reallocate(buffer_, target);
  if (grown == nullptr) {
    // A shrink that cannot be had keeps the larger buffer: the text is still whole.
    if (target < capacity_) return;
    throw exception_bad_alloc();
  }
  buffer_ = static_cast<char*>(grown);
  capacity_ = target;
}

template <typename Allocator>
void string8_t<Allocator>::append_text(const char* text, std::size_t max_length) {
  const std::size_t count = bounded_length(text, max_length);
  if (count == 0) return;
  // The text may lie in this string's own buffer, which growing can move.
  const bool own = buffer_ != nullptr && text >= buffer_ && text < buffer_ + capacity_;
  const std::size_t own_offset = own ? static_cast<std::size_t>(text - buffer_) : 0;
  fit_buffer(length_ + count + 1);
  std::memmove(buffer_ + length_, own ? buffer_ + own_offset : text, count);
  length_ += count;
  buffer_[length_] = '\0';
}

template <typename Allocator>
void string8_t<Allocator>::set_text(const char* text, std::size_t max_length) {
  const std::size_t count = bounded_length(text, max_length);
  const bool own = buffer_ != nullptr && text >= buffer_ && text < buffer_ + capacity_;
  if (own) {
    // A piece of the own text: move it to the front first, so that a shrink keeps it.
    std::memmove(buffer_, text, count);
    buffer_[count] = '\0';
    length_ = count;
    fit_buffer(count + 1);
    return;
  }
  fit_buffer(count + 1);
  if (count != 0) std::memcpy(buffer_, text, count);
  length_ = count;
  buffer_[length_] = '\0';
}

template <typename Allocator>
void string8_t<Allocator>::shorten_to(std::size_t length) {
  if (length >= length_) return;
  length_ = length;
  buffer_[length_] = '\0';
  fit_buffer(length_ + 1);
}

template <typename Allocator>
char* string8_t<Allocator>::open_buffer(std::size_t size) {
  if (size == std::numeric_limits<std::size_t>::max()) throw exception_overflow();
  fit_buffer(size + 1);
  std::memset(buffer_, 0, size + 1);
  length_ = 0;
  return buffer_;
}

template <typename Allocator>
void string8_t<Allocator>::close_buffer() {
  if (buffer_ == nullptr) return;
  length_ = bounded_length(buffer_, capacity_);
  if (length_ == capacity_) {
    // Written up to the last byte, terminator room included: keep the text terminated.
    length_ = capacity_ - 1;
  }
  buffer_[length_] = '\0';
  fit_buffer(length_ + 1);
}

template class string8_t<alloc_standard>;

}  // namespace pfc
