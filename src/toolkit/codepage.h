// Conversions between the tool's GBK texts, UTF-8 and UTF-16. On Windows they
// go through the system's code pages 936 and 65001, so Chinese is right on a
// Windows whose ANSI code page is not 936; elsewhere through iconv.
#pragma once

#include <string>
#include <string_view>

namespace yz {

enum class CodePage : unsigned { kGbk = 936, kUtf8 = 65001 };

// Text in the code page to UTF-16. Invalid input gives empty text.
std::u16string ToUtf16(std::string_view text, CodePage from);
// UTF-16 to the code page; a character the code page lacks gives empty text.
std::string FromUtf16(std::u16string_view text, CodePage to);

// The same, but whatever cannot be converted becomes "?" and the rest is
// kept: for text shown to or typed by the user.
std::u16string ToUtf16Lossy(std::string_view text, CodePage from);
std::string FromUtf16Lossy(std::u16string_view text, CodePage to);

// Shorthands for the two directions the tool needs most.
inline std::string GbkToUtf8(std::string_view gbk) {
  return FromUtf16(ToUtf16(gbk, CodePage::kGbk), CodePage::kUtf8);
}
inline std::string Utf8ToGbk(std::string_view utf8) {
  return FromUtf16(ToUtf16(utf8, CodePage::kUtf8), CodePage::kGbk);
}

}  // namespace yz
