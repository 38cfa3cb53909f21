// The player's configuration streams and the abort signal that travels with them.
#pragma once

#include <cstddef>
#include <cstdint>

// The player's signal to give up a long operation; the component only passes it on.
class abort_callback {
 public:
  // True once the player wants the operation to stop.
  virtual bool is_aborting() const = 0;

 protected:
  ~abort_callback() = default;
};

// Reads the player's stored configuration.
class stream_reader {
 public:
  // Reads up to `size` bytes into `buffer`; returns how many arrived (fewer at the end).
  virtual std::size_t read(void* buffer, std::size_t size, abort_callback& abort) = 0;
  // Reads exactly `size` bytes or raises the player's own exception.
  virtual void read_exact(void* buffer, std::size_t size, abort_callback& abort) = 0;
  // Skips up to `count` bytes; returns how many were skipped. The component never calls it.
  virtual std::uint64_t skip(std::uint64_t count, abort_callback& abort) = 0;
  // Skips exactly `count` bytes or raises the player's own exception.
  virtual void skip_exact(std::uint64_t count, abort_callback& abort) = 0;

 protected:
  ~stream_reader() = default;
};

// Receives configuration to store.
class stream_writer {
 public:
  // Writes `size` bytes from `buffer` or raises the player's own exception.
  virtual void write(const void* buffer, std::size_t size, abort_callback& abort) = 0;

 protected:
  ~stream_writer() = default;
};
