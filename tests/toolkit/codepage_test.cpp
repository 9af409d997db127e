#include "toolkit/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace yz {
namespace {

// The same text in the three encodings, spelled out as bytes (u8 literals stay
// UTF-8 whatever the build's narrow charset is).
const std::string kUtf8 = reinterpret_cast<const char*>(u8"中国：ＡＢ1 砚舟知问");
const std::string kGbk = "\xD6\xD0\xB9\xFA\xA3\xBA\xA3\xC1\xA3\xC2" "1 \xD1\xE2\xD6\xDB\xD6\xAA\xCE\xCA";
const std::u16string kUtf16 = u"中国：ＡＢ1 砚舟知问";

TEST(CodePageTest, ConvertsBothWays) {
  EXPECT_EQ(ToUtf16(kGbk, CodePage::kGbk), kUtf16);
  EXPECT_EQ(ToUtf16(kUtf8, CodePage::kUtf8), kUtf16);
  EXPECT_EQ(FromUtf16(kUtf16, CodePage::kGbk), kGbk);
  EXPECT_EQ(FromUtf16(kUtf16, CodePage::kUtf8), kUtf8);
  EXPECT_EQ(GbkToUtf8(kGbk), kUtf8);
  EXPECT_EQ(Utf8ToGbk(kUtf8), kGbk);
  // The build's own literals are GBK.
  EXPECT_EQ(std::string("中国：ＡＢ1 砚舟知问"), kGbk);
}

TEST(CodePageTest, BadInputGivesEmptyText) {
  EXPECT_EQ(Utf8ToGbk(""), "");
  EXPECT_EQ(ToUtf16("\xFF\xFE", CodePage::kUtf8), u"");         // no UTF-8
  EXPECT_EQ(ToUtf16("a\xD6", CodePage::kGbk), u"");             // cut-off character
  EXPECT_EQ(Utf8ToGbk(reinterpret_cast<const char*>(u8"a😀")), "");  // no GBK form
  EXPECT_EQ(FromUtf16(u"\xD800", CodePage::kUtf8), "");         // lone surrogate
}

TEST(CodePageTest, LossyConversionKeepsWhatItCan) {
  EXPECT_EQ(ToUtf16Lossy(kGbk, CodePage::kGbk), kUtf16);
  EXPECT_EQ(ToUtf16Lossy("a\xFF\xD6\xD0", CodePage::kGbk), u"a?中");
  EXPECT_EQ(ToUtf16Lossy("a\xD6", CodePage::kGbk), u"a?");
  EXPECT_EQ(FromUtf16Lossy(u"a😀中", CodePage::kGbk), "a?\xD6\xD0");
  EXPECT_EQ(FromUtf16Lossy(u"", CodePage::kGbk), "");
}

}  // namespace
}  // namespace yz
