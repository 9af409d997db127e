#include "toolkit/pinyin.h"

#include <gtest/gtest.h>

#include <string>

namespace yz {
namespace {

std::string Initials(const std::string& text) {
  std::string key;
  for (size_t i = 0; i + 1 < text.size(); i += 2) key += Pinyin(text.substr(i, 2)).substr(0, 1);
  return key;
}

TEST(PinyinTest, Readings) {
  struct Case {
    std::string character;
    int n;
    std::string reading;
  } cases[] = {
      {"中", 1, "zhong"}, {"国", 1, "guo"}, {"阿", 1, "a"},
      // Polyphonic characters: the first reading is the one the search uses.
      {"行", 1, "xing"}, {"行", 2, "hang"},
      {"长", 1, "chang"}, {"长", 2, "zhang"},
      {"乐", 1, "le"}, {"乐", 2, "yue"},
      {"驴", 1, "lv"},  // ü is written v
      {"亍", 1, "chu"},  // first character of level 2
      {"中", 2, ""}, {"中", 0, ""},
      // Outside the ideographs: symbols, full-width letters, ASCII, empty.
      {"Ａ", 1, ""}, {"：", 1, ""}, {"ab", 1, ""}, {"", 1, ""}, {"\xB0", 1, ""},
      {"\xD7\xFA", 1, ""},  // an unassigned place at the end of level 1
      {"\xF8\xA1", 1, ""},  // past the last lead byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Pinyin(c.character, c.n), c.reading) << "character: " << c.character << " n: " << c.n;
  }
  EXPECT_EQ(Initials("中国"), "zg");
}

TEST(PinyinTest, InitialAgreesWithFirstReading) {
  EXPECT_EQ(PinyinInitial(0xD6, 0xD0), 'z');  // 中
  EXPECT_EQ(PinyinInitial(0xB3, 0xA4), 'c');  // 长
  EXPECT_EQ(PinyinInitial(0xA3, 0xC1), 0);    // Ａ
  for (int lead = 0xB0; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string reading = Pinyin(std::string{char(lead), char(trail)});
      ASSERT_EQ(PinyinInitial(lead, trail), reading.empty() ? 0 : reading[0]) << lead << "," << trail;
    }
  }
}

// GB2312 sorts its level-1 characters (B0A1-D7F9) by pinyin, so walking the
// block the initials of the first readings never go back in the alphabet.
TEST(PinyinTest, LevelOneInitialsFollowTheBlockOrder) {
  char previous = 'a';
  int characters = 0;
  for (int lead = 0xB0; lead <= 0xD7; ++lead) {
    for (int trail = 0xA1; trail <= (lead == 0xD7 ? 0xF9 : 0xFE); ++trail) {
      const std::string character{char(lead), char(trail)};
      const std::string reading = Pinyin(character);
      ASSERT_FALSE(reading.empty()) << std::hex << lead << trail;
      EXPECT_GE(reading[0], previous) << std::hex << lead << trail << " " << reading;
      previous = reading[0];
      ++characters;
    }
  }
  EXPECT_EQ(previous, 'z');
  EXPECT_EQ(characters, 3755);
}

}  // namespace
}  // namespace yz
