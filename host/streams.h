// The player's configuration streams, over memory, with every call logged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "component/streams.h"

namespace host {

// The player's own stream error, raised when a stream cannot give what was asked.
class stream_error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class no_abort : public abort_callback {
 public:
  bool is_aborting() const override { return false; }
};

class memory_reader : public stream_reader {
 public:
  explicit memory_reader(std::vector<unsigned char> data) : data_(std::move(data)) {}

  std::size_t read(void* buffer, std::size_t size, abort_callback& abort) override;
  void read_exact(void* buffer, std::size_t size, abort_callback& abort) override;
  std::uint64_t skip(std::uint64_t count, abort_callback& abort) override;
  void skip_exact(std::uint64_t count, abort_callback& abort) override;

  // Makes the next read_exact raise stream_error, as a stream whose storage fails would.
  void fail_next_read_exact() { fail_read_exact_ = true; }
  // One line per call, such as "read 16 -> 16", "read_exact 4", "skip_exact 3".
  const std::vector<std::string>& calls() const noexcept { return calls_; }

 private:
  std::vector<unsigned char> data_;
  std::size_t position_ = 0;
  bool fail_read_exact_ = false;
  std::vector<std::string> calls_;
};

class memory_writer : public stream_writer {
 public:
  void write(const void* buffer, std::size_t size, abort_callback& abort) override;
  const std::vector<unsigned char>& written() const noexcept { return written_; }

 private:
  std::vector<unsigned char> written_;
};

}  // namespace host
