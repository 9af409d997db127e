// Text primitives over GBK byte strings. String literals here are GBK (the
// build compiles them so); "\x81\x40" is a GBK character whose trail byte is '@'.
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace yz {
namespace {

TEST(TextTest, CharCode) {
  struct Case {
    std::string text;
    long n;
    int code;
  } cases[] = {
      {"abc", 1, 97}, {"abc", 3, 99}, {"abc", 4, 0}, {"abc", 0, 0}, {"", 1, 0},
      {"中", 1, -42},  // 0xD6: a lead byte reads negative
      {"中", 2, -48},  // 0xD0
      {"\x81\x40", 2, 0x40},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CharCode(c.text, c.n), c.code) << "text: " << c.text << " n: " << c.n;
  }
  EXPECT_EQ(CharCode("abc"), 97);
}

TEST(TextTest, MidAndLeft) {
  struct Case {
    long pos, n;
    std::string mid;
  } cases[] = {
      {2, 3, "bcd"}, {5, 10, "ef"}, {6, 1, "f"}, {7, 1, ""},
      {0, 2, ""},    {-1, 2, ""},   {2, 0, ""},  {2, -1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Mid("abcdef", c.pos, c.n), c.mid) << "pos: " << c.pos << " n: " << c.n;
  }
  EXPECT_EQ(Left("abc", 2), "ab");
  EXPECT_EQ(Left("abc", 5), "abc");
  EXPECT_EQ(Left("abc", 0), "");
  EXPECT_EQ(Left("abc", -1), "");
}

TEST(TextTest, Find) {
  struct Case {
    std::string text, sought;
    long start;
    bool ignoreCase;
    long found;
  } cases[] = {
      {"abcabc", "c", 1, false, 3},
      {"abcabc", "c", 4, false, 6},
      {"abcabc", "c", 0, false, 3},   // a start below 1 counts as 1
      {"abcabc", "c", -5, false, 3},
      {"abcabc", "c", 7, false, -1},  // past the end
      {"abcabc", "abcabcd", 1, false, -1},
      {"abc", "", 1, false, 1},       // empty sought: 1 while anything is left
      {"abc", "", 3, false, 1},
      {"abc", "", 4, false, -1},
      {"", "", 1, false, -1},
      {"", "a", 1, false, -1},
      {"中国", "国", 1, false, 3},
      // 中国 is D6 D0 B9 FA: D0 B9 straddles two characters and is no match.
      {"中国", "\xD0\xB9", 1, false, -1},
      // A trail byte that happens to be ASCII is no match for that ASCII byte.
      {"\x81\x40", "@", 1, false, -1},
      {"\x81\x40@", "@", 1, false, 3},
      {"\x81\x41", "A", 1, false, -1},
      {"abc", "B", 1, false, -1},
      {"abc", "B", 1, true, 2},
      {"aBc中", "Bc中", 1, true, 2},
      {"xAbC", "aBc", 1, true, 2},
      // Folding leaves double-byte characters alone, trail bytes included.
      {"\x81\x61", "\x81\x41", 1, true, -1},
      {"\x81\x61" "A", "a", 1, true, 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Find(c.text, c.sought, c.start, c.ignoreCase), c.found)
        << "text: " << c.text << " sought: " << c.sought << " start: " << c.start;
  }
}

TEST(TextTest, Split) {
  using Pieces = std::vector<std::string>;
  struct Case {
    std::string text, delimiter;
    Pieces pieces;
  } cases[] = {
      {"a#b", "#", {"a", "b"}},
      {"a##b", "#", {"a", "", "b"}},
      {"#a", "#", {"", "a"}},
      {"a#", "#", {"a"}},  // a trailing delimiter adds no piece
      {"a##", "#", {"a", ""}},
      {"#", "#", {""}},
      {"", "#", {}},
      {"abc", "#", {"abc"}},
      {"abc", "", {"abc"}},
      {"1, 2,, 3", ", ", {"1", "2,", "3"}},
      {"问题#答案", "#", {"问题", "答案"}},
      // The '@' inside the character \x81\x40 is not a delimiter.
      {"\x81\x40@x", "@", {"\x81\x40", "x"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Split(c.text, c.delimiter), c.pieces) << "text: " << c.text;
  }
}

TEST(TextTest, TextFromBytes) {
  EXPECT_EQ(TextFromBytes(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(TextFromBytes(std::string("\0ab", 3)), "");
  EXPECT_EQ(TextFromBytes("中文"), "中文");
  EXPECT_EQ(TextFromBytes(""), "");
}

TEST(TextTest, UpperCase) {
  EXPECT_EQ(UpperCase("abc中z09_"), "ABC中Z09_");
  // The trail byte 0x61 ('a') of a double-byte character stays as it is.
  EXPECT_EQ(UpperCase("\x81\x61" "a"), "\x81\x61" "A");
  EXPECT_EQ(UpperCase("ａ"), "ａ");  // full-width letters are not ASCII
}

TEST(TextTest, HalfWidth) {
  struct Case {
    std::string text, half;
  } cases[] = {
      {"ＡＢｃ１２", "ABc12"},
      {"\xA3\xA1", "!"},        // first of the A3 row
      {"\xA3\xFE", "\x7E"},     // last of the A3 row
      {"\xA1\xA1", " "},        // ideographic space
      {"\xA1\xAB", "~"},
      {"\xA1\xEE\xA1\xEF", "**"},
      {"第３题：", "第3题:"},
      {"中国", "中国"},
      {"\xA3\xA0", "\xA3\xA0"},  // outside the row: unchanged
      {"a\xA3", "a\xA3"},        // a lead byte at the very end stays
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HalfWidth(c.text), c.half) << "text: " << c.text;
  }
}

}  // namespace
}  // namespace yz
