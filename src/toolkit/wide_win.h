// GBK texts to and from the system's wide strings, for what is shown to or
// typed by the user: whatever has no counterpart becomes "?".
#pragma once

#include <string>
#include <string_view>

#include "toolkit/codepage.h"

namespace yz {

inline std::wstring Wide(std::string_view gbk) {
  const std::u16string wide = ToUtf16Lossy(gbk, CodePage::kGbk);
  return std::wstring(wide.begin(), wide.end());
}

inline std::string GbkFromWide(std::wstring_view wide) {
  return FromUtf16Lossy(std::u16string(wide.begin(), wide.end()), CodePage::kGbk);
}

}  // namespace yz
