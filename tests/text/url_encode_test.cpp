#include "text/url_encode.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/text/replace_reference.h"

namespace melodara {
namespace {

// The player's string as the encoder sees it: it keeps every append_text call apart, so
// that the tests can tell one whole append from many small ones. The encoder only
// appends; any other call fails the test.
class RecordingString final : public pfc::string_base {
 public:
  explicit RecordingString(std::string contents = {}) : contents_(std::move(contents)) {}

  void append_text(const char* text, std::size_t max_length) override {
    std::size_t length = 0;
    while (length < max_length && text[length] != '\0') {
      ++length;
    }
    appends_.emplace_back(text, length);
    contents_.append(text, length);
  }
  const char* get_text() const override { Unexpected("get_text"); }
  void set_text(const char*, std::size_t) override { Unexpected("set_text"); }
  void shorten_to(std::size_t) override { Unexpected("shorten_to"); }
  std::size_t text_length() const override { Unexpected("text_length"); }
  char* open_buffer(std::size_t) override { Unexpected("open_buffer"); }
  void close_buffer() override { Unexpected("close_buffer"); }

  const std::string& contents() const { return contents_; }
  const std::vector<std::string>& appends() const { return appends_; }

 private:
  [[noreturn]] static void Unexpected(const char* operation) {
    throw std::logic_error(std::string("the encoder called ") + operation);
  }

  std::string contents_;
  std::vector<std::string> appends_;
};

std::string Encode(const std::string& text) {
  RecordingString out;
  UrlEncode(out, text.c_str());
  return out.contents();
}

TEST(UrlEncodeTest, EncodesQueryValues) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Abc Def", "Abc+Def"},
      {"A/B", "A%2FB"},
      {"Tom's Band", "Tom%27s+Band"},
      {"a-b.c", "a%2Db%2Ec"},
      {"100%", "100%25"},
      {"snake_case", "snake_case"},
      {"\xC3\xA9", "%C3%A9"},
      {"", ""},
      {"1+1", "1%2B1"},
      {"~x", "%7Ex"},
      {"\x05", "%05"},
      {"  ", "++"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(Encode(text), expected) << '"' << text << '"';
  }
}

TEST(UrlEncodeTest, EncodesEveryByteByItsClass) {
  for (int value = 1; value < 256; ++value) {
    const auto byte = static_cast<unsigned char>(value);
    const char text[] = {static_cast<char>(byte), '\0'};
    const std::string encoded = Encode(text);
    SCOPED_TRACE(testing::Message() << "byte " << value << " gives \"" << encoded << '"');
    if (byte == ' ') {
      EXPECT_EQ(encoded, "+");
    } else if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
               (byte >= '0' && byte <= '9') || byte == '_') {
      EXPECT_EQ(encoded, std::string(1, text[0]));
    } else {
      ASSERT_EQ(encoded.size(), 3U);
      EXPECT_EQ(encoded[0], '%');
      EXPECT_EQ(encoded.find_first_not_of("0123456789ABCDEF", 1), std::string::npos);
      EXPECT_EQ(std::stoi(encoded.substr(1), nullptr, 16), value);
    }
  }
}

TEST(UrlEncodeTest, StopsAtTheFirstNul) {
  RecordingString out;
  const char text[] = {'a', ' ', '\0', 'b', '%', '\0'};
  UrlEncode(out, text);
  EXPECT_EQ(out.contents(), "a+");
}

TEST(UrlEncodeTest, AppendsTheWholeValueInOneCallAfterWhatTheStringHeld) {
  RecordingString out("q=");
  UrlEncode(out, "x y/\xC3\xA9");
  EXPECT_EQ(out.contents(), "q=x+y%2F%C3%A9");
  EXPECT_EQ(out.appends(), std::vector<std::string>{"x+y%2F%C3%A9"});

  RecordingString untouched("q=");
  UrlEncode(untouched, "");
  EXPECT_EQ(untouched.contents(), "q=");
}

TEST(UrlEncodeTest, MatchesTheReferenceWalkOnRandomTexts) {
  std::mt19937 engine(99);
  std::uniform_int_distribution<int> byte(1, 255);
  std::uniform_int_distribution<std::size_t> length(0, 40);
  for (int round = 0; round < 2000; ++round) {
    std::string text(length(engine), '\0');
    for (char& at : text) {
      at = static_cast<char>(byte(engine));
    }
    ASSERT_EQ(Encode(text), reference::UrlEncodeWalk(text.c_str()));
  }
}

TEST(FormatHexTest, KeepsAtLeastTwoUppercaseDigits) {
  const std::vector<std::pair<std::uint64_t, std::string>> cases = {
      {0, "00"},
      {5, "05"},
      {171, "AB"},
      {255, "FF"},
      {256, "100"},
      {2748, "ABC"},
      {std::uint64_t{1} << 60, "1000000000000000"},
      {std::numeric_limits<std::uint64_t>::max(), "FFFFFFFFFFFFFFFF"},
  };
  for (const auto& [value, expected] : cases) {
    char buffer[17];
    EXPECT_EQ(FormatHex(value, buffer), buffer);
    EXPECT_STREQ(buffer, expected.c_str()) << value;
  }
}

}  // namespace
}  // namespace melodara
