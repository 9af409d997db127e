#include "bank/bank_file.h"

#include <gtest/gtest.h>

#include <string>

#include "toolkit/text.h"

namespace yz {
namespace {

TEST(BankTextsTest, AreTheGbkBytesOfTheirNames) {
  EXPECT_EQ(kPayloadMarker, "tk：");
  EXPECT_EQ(kVersionMarker, "版本：");
  EXPECT_EQ(kBankKey, "霜桥晚渡");
  EXPECT_EQ(kQuoteMarker, "#引号");
}

TEST(TextBetweenTest, Cases) {
  struct Case {
    std::string text, from, to, between;
  } cases[] = {
      {"a[b]c", "[", "]", "b"},
      {"a[b]c[d]", "[", "]", "b"},        // the first start marker counts
      {"a[]c", "[", "]", ""},             // end marker right after the start marker
      {"a[bc", "[", "]", ""},             // no end marker
      {"abc]", "[", "]", ""},             // no start marker
      {"x#a#b#", "#", "#", "a"},          // equal markers: up to the next one
      {"k=\"v\";", "k=#引号", "#引号", "v"},  // "#引号" stands for a double quote
      {"tk：01,02#rest#", "tk：", "#", "01,02"},
      {"版本：3.2#tk：0A#", "版本：", "#", "3.2"},
      {"tk：#", "tk：", "#", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextBetween(c.text, c.from, c.to), c.between) << "text: " << c.text;
  }
  EXPECT_EQ(TextBetween("[a][b]", "[", "]", 3), "b");
  EXPECT_EQ(TextBetween("[A]", "[a", "]", 1, true), "");
  EXPECT_EQ(TextBetween("x[Ab]", "[a", "]", 1, true), "b");
}

TEST(ParseHexItemTest, Cases) {
  struct Case {
    std::string item;
    std::int64_t value;
  } cases[] = {
      {"0", 0},      {"", 0},     {"9", 9},     {"a", 10},   {"A", 10},  {"ff", 255},
      {"FF", 255},   {"fF", 255}, {"100", 256},
      {"G1", -31},   // G is no digit: (-2) * 16 + 1
      {" 1", -31},   {"1\n", 14}, {"-1", -31},
      {"\xB0\xA1", -34},          // bytes of a character: -2 each
      {"\xB0" "a", -34},          // a lower-case trail letter is not upper-cased
      {"\xB0" "A", -22},          // an upper-case one is a digit
      {"\xB0\xB0" "a", -34 * 16 + 10},   // the second lead byte is a trail; 'a' folds
      {"FFFFFFFFFFFF", (std::int64_t{1} << 48) - 1},
      {"FFFFFFFFFFFFFF", std::int64_t{1} << 56},  // 2^56 - 1 rounds in double precision
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseHexItem(c.item), c.value) << "item: " << c.item;
  }
  EXPECT_EQ(ParseHexItem("G1") & 0xFF, 0xE1);
  // Out of range of a signed 64-bit integer: defined, and no crash.
  EXPECT_EQ(ParseHexItem("FFFFFFFFFFFFFFFFFFFF"), INT64_MIN);
}

TEST(UnscrambleBankTest, UndoesScrambleBank) {
  const std::string plain = "第１题：长江的源头？答案：各拉丹东#第2题\r\n多行#\xFF\x80";
  const std::string payload = ScrambleBank(plain, kBankKey);
  EXPECT_EQ(payload.size(), plain.size() * 3 - 1);
  EXPECT_EQ(UnscrambleBank(payload, kBankKey), plain);
  // Lower-case digits decode alike.
  std::string lower = payload;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(UnscrambleBank(lower, kBankKey), plain);
  // Another key gives other bytes, never an error.
  EXPECT_NE(UnscrambleBank(payload, "key"), plain);
  EXPECT_EQ(UnscrambleBank("", kBankKey), "");
}

TEST(UnscrambleBankTest, ItemsAreCountedAsSplitCountsThem) {
  const std::string payload = ScrambleBank("abc", kBankKey);  // "XX,YY,ZZ"
  // An empty item is value 0 and still takes its place and its draw.
  const std::string withEmpty = payload.substr(0, 3) + "," + payload.substr(3);
  const std::string decoded = UnscrambleBank(withEmpty, kBankKey);
  ASSERT_EQ(decoded.size(), 4u);
  EXPECT_EQ(decoded[0], 'a');
  EXPECT_NE(decoded.substr(2), "bc");  // the later items now use other positions
  // A trailing comma adds no item.
  EXPECT_EQ(UnscrambleBank(payload + ",", kBankKey), "abc");
}

TEST(DecodeBankFileTest, FileCases) {
  const std::string plain = "问一#答二";
  const std::string payload = ScrambleBank(plain, kBankKey);
  struct Case {
    std::string file, plain;
  } cases[] = {
      {EncodeBankFile(plain, "7"), plain},
      {"版本：1#tk：" + payload + "#", plain},
      {"tk：" + payload + "#版本：1#", plain},                  // fields in any order
      {"tk：" + payload + "#tk：" + ScrambleBank("x", kBankKey) + "#", plain},  // second one ignored
      {"tk：#", ""},                                            // empty payload
      {"版本：1#", ""},                                          // no payload field
      {"tk：" + payload, ""},                                   // no "#" after it
      {"", ""},
      {std::string("tk：", 4) + '\0' + payload + "#", ""},      // the file ends at a zero byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeBankFile(c.file), c.plain) << "file: " << c.file;
  }
  // A "#" inside the payload ends it early: only the first two items remain.
  EXPECT_EQ(DecodeBankFile("tk：" + payload.substr(0, 5) + "#" + payload.substr(6) + "#"), "\xCE\xCA");
  EXPECT_EQ(BankFileVersion(EncodeBankFile(plain, "2026.12")), "2026.12");
  EXPECT_EQ(BankFileVersion("tk：00#"), "");
}

TEST(DecodeBankFileTest, ADecodedZeroByteEndsThePlainText) {
  const std::string file = EncodeBankFile(std::string("甲#乙") + '\0' + "丙#丁", "1");
  EXPECT_EQ(DecodeBankFile(file), "甲#乙");
}

}  // namespace
}  // namespace yz
