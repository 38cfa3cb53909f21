// The component's string: its contract at the table and its buffer policy.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "component/pfc_string8.h"

TEST(pfc_string8, NewStringIsEmptyAndReadsAsEmptyText) {
  pfc::string8 text;
  EXPECT_EQ(text.text_length(), 0u);
  ASSERT_NE(text.get_text(), nullptr);
  EXPECT_STREQ(text.get_text(), "");
  EXPECT_EQ(text.capacity(), 0u);
}

TEST(pfc_string8, SetAndAppendStopAtTheMaximumOrTheFirstNul) {
  pfc::string8 text;
  text.set_text("abc", 100);
  EXPECT_STREQ(text.get_text(), "abc");
  text.set_text("abcdef", 2);
  EXPECT_STREQ(text.get_text(), "ab");
  text.append_text("", 10);
  text.append_text("x\0y", 3);
  EXPECT_STREQ(text.get_text(), "abx");
  EXPECT_EQ(text.text_length(), 3u);
}

TEST(pfc_string8, ShortenToCutsOnlyBelowTheLength) {
  pfc::string8 text;
  text.set_text("abcdef", 6);
  text.shorten_to(6);
  text.shorten_to(99);
  EXPECT_STREQ(text.get_text(), "abcdef");
  text.shorten_to(2);
  EXPECT_STREQ(text.get_text(), "ab");
  EXPECT_EQ(text.text_length(), 2u);
}

TEST(pfc_string8, OpenAndCloseBufferTakeTheWrittenText) {
  pfc::string8 text;
  char* room = text.open_buffer(5);
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(room[i], '\0');
  room[0] = 'a';
  room[1] = 'b';
  room[2] = 'c';
  text.close_buffer();
  EXPECT_EQ(text.text_length(), 3u);
  EXPECT_STREQ(text.get_text(), "abc");
}

TEST(pfc_string8, OpenBufferOfTheLargestSizeOverflows) {
  pfc::string8 text;
  text.set_text("kept", 4);
  try {
    text.open_buffer(std::numeric_limits<std::size_t>::max());
    FAIL() << "expected an overflow";
  } catch (const pfc::exception_overflow& error) {
    EXPECT_STREQ(error.what(), "Overflow");
  }
  EXPECT_STREQ(text.get_text(), "kept");
}

TEST(pfc_string8, GrowsOnlyWhenFullBySixteenAndShrinksPastThirtyTwoSpare) {
  pfc::string8 text;
  text.set_text("0123456789", 10);
  EXPECT_EQ(text.capacity(), 11u + 16u);
  std::size_t reallocations = 0;
  for (int i = 0; i < 40; ++i) {
    const std::size_t before = text.capacity();
    const std::size_t length = text.text_length();
    text.append_text("x", 1);
    if (text.capacity() != before) {
      ++reallocations;
      EXPECT_EQ(before, length + 1) << "grew before the buffer was full";
      EXPECT_EQ(text.capacity(), length + 2 + 16);
    }
  }
  EXPECT_EQ(reallocations, 2u);  // at 27 and at 44 bytes
  text.shorten_to(3);
  EXPECT_EQ(text.capacity(), 4u);
  EXPECT_STREQ(text.get_text(), "012");
}

TEST(pfc_string8, TakesPiecesOfItsOwnText) {
  pfc::string8 text;
  const std::string long_text(100, 'z');
  text.set_text(long_text.c_str(), long_text.size());
  text.set_text(text.get_text() + 90, 10);  // shrinks while the source lies in the buffer
  EXPECT_EQ(std::string(text.get_text()), std::string(10, 'z'));
  text.append_text(text.get_text(), 10);  // grows while the source lies in the buffer
  EXPECT_EQ(std::string(text.get_text()), std::string(20, 'z'));
}

TEST(pfc_string8, BadAllocationSaysSoInThePlayersWords) {
  EXPECT_STREQ(pfc::exception_bad_alloc().what(), "bad allocation");
}
