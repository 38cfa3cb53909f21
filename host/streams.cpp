#include "host/streams.h"

#include <algorithm>
#include <cstring>

namespace host {

std::size_t memory_reader::read(void* buffer, std::size_t size, abort_callback&) {
  const std::size_t count = std::min(size, data_.size() - position_);
  if (count != 0) std::memcpy(buffer, data_.data() + position_, count);
  position_ += count;
  calls_.push_back("read " + std::to_string(size) + " -> " + std::to_string(count));
  return count;
}

void memory_reader::read_exact(void* buffer, std::size_t size, abort_callback& abort) {
  calls_.push_back("read_exact " + std::to_string(size));
  if (fail_read_exact_) throw stream_error("stream storage failed");
  if (data_.size() - position_ < size) throw stream_error("unexpected end of stream");
  std::memcpy(buffer, data_.data() + position_, size);
  position_ += size;
  (void)abort;
}

std::uint64_t memory_reader::skip(std::uint64_t count, abort_callback&) {
  const std::uint64_t skipped = std::min<std::uint64_t>(count, data_.size() - position_);
  position_ += static_cast<std::size_t>(skipped);
  calls_.push_back("skip " + std::to_string(count));
  return skipped;
}

void memory_reader::skip_exact(std::uint64_t count, abort_callback&) {
  calls_.push_back("skip_exact " + std::to_string(count));
  if (data_.size() - position_ < count) throw stream_error("unexpected end of stream");
  position_ += static_cast<std::size_t>(count);
}

void memory_writer::write(const void* buffer, std::size_t size, abort_callback&) {
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  written_.insert(written_.end(), bytes, bytes + size);
}

}  // namespace host
