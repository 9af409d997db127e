// Code-page conversions through the system's own tables.
#include <windows.h>

#include "toolkit/codepage.h"

namespace yz {

std::u16string ToUtf16(std::string_view text, CodePage from) {
  if (text.empty()) return {};
  const UINT page = static_cast<UINT>(from);
  const int size = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (units <= 0) return {};
  std::u16string out(static_cast<size_t>(units), u'\0');
  MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, text.data(), size,
                      reinterpret_cast<wchar_t*>(out.data()), units);
  return out;
}

std::string FromUtf16(std::u16string_view text, CodePage to) {
  if (text.empty()) return {};
  const UINT page = static_cast<UINT>(to);
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int units = static_cast<int>(text.size());
  // Code page 65001 takes no default-character arguments; for 936 they tell
  // whether a character had no GBK form.
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultArg = to == CodePage::kUtf8 ? nullptr : &usedDefault;
  const DWORD flags = to == CodePage::kUtf8 ? WC_ERR_INVALID_CHARS : 0;
  const int size = WideCharToMultiByte(page, flags, wide, units, nullptr, 0, nullptr, usedDefaultArg);
  if (size <= 0 || usedDefault) return {};
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(page, flags, wide, units, out.data(), size, nullptr, usedDefaultArg);
  return usedDefault ? std::string() : out;
}

}  // namespace yz
