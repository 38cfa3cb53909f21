// The player's and the panel's own string: the same table as the component's, a different
// implementation behind it, so that the component is seen to use the table alone.
#pragma once

#include <cstring>
#include <string>

#include "component/pfc_string.h"

namespace host {

class text_string : public pfc::string_base {
 public:
  text_string() = default;
  explicit text_string(std::string text) : text_(std::move(text)) {}
  text_string(const text_string&) = delete;
  text_string& operator=(const text_string&) = delete;
  virtual ~text_string() = default;

  void append_text(const char* text, std::size_t max_length) override {
    text_.append(text, bounded(text, max_length));
  }
  const char* get_text() const override { return text_.c_str(); }
  void set_text(const char* text, std::size_t max_length) override {
    text_.assign(text, bounded(text, max_length));
  }
  void shorten_to(std::size_t length) override {
    if (length < text_.size()) text_.resize(length);
  }
  std::size_t text_length() const override { return text_.size(); }
  char* open_buffer(std::size_t size) override {
    if (size == static_cast<std::size_t>(-1)) throw pfc::exception_overflow();
    text_.assign(size, '\0');
    return text_.data();
  }
  void close_buffer() override { text_.resize(std::strlen(text_.c_str())); }

  const std::string& str() const noexcept { return text_; }

 private:
  static std::size_t bounded(const char* text, std::size_t max_length) {
    const void* nul = std::memchr(text, '\0', max_length);
    return nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : max_length;
  }

  std::string text_;
};

}  // namespace host
