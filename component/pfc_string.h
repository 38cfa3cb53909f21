// The player's UTF-8 string interface. Both sides of the boundary call strings only
// through these tables, so the order of the operations is fixed forever.
#pragma once

#include <cstddef>
#include <exception>
#include <new>

namespace pfc {

// Raised by `open_buffer` when the requested size leaves no room for the terminator.
class exception_overflow : public std::exception {
 public:
  const char* what() const noexcept override { return "Overflow"; }
};

// The player's out-of-memory error: a std::bad_alloc that says what the player's says.
class exception_bad_alloc : public std::bad_alloc {
 public:
  const char* what() const noexcept override { return "bad allocation"; }
};

// Receives text. Table slot 0.
class string_receiver {
 public:
  // Appends bytes of `text` up to `max_length` or up to the first NUL in it, whichever
  // comes first. Raises exception_bad_alloc when the buffer cannot grow; the old text stays.
  virtual void append_text(const char* text, std::size_t max_length) = 0;

 protected:
  ~string_receiver() = default;
};

// A NUL-terminated UTF-8 string. Table slots 1 to 6, after `append_text`.
class string_base : public string_receiver {
 public:
  // The contents, NUL-terminated; "" (never null) when empty. Valid until the next change.
  virtual const char* get_text() const = 0;
  // Replaces the contents by bytes taken as in `append_text`. Raises exception_bad_alloc.
  virtual void set_text(const char* text, std::size_t max_length) = 0;
  // Cuts the text at `length` when it is below the current length; otherwise does nothing.
  virtual void shorten_to(std::size_t length) = 0;
  // The count of bytes in use, the terminator not counted.
  virtual std::size_t text_length() const = 0;
  // Makes room for `size` bytes and a terminator, zeroes all of them and returns the room
  // for writing. Raises exception_overflow for the largest size value, exception_bad_alloc.
  virtual char* open_buffer(std::size_t size) = 0;
  // Ends a write through `open_buffer`: the length becomes that of the text up to the first NUL.
  virtual void close_buffer() = 0;

 protected:
  ~string_base() = default;
};

}  // namespace pfc
