#include <windows.h>
#include <shellapi.h>

#include <string>

#include "toolkit/shell_win.h"
#include "toolkit/wide_win.h"

namespace yz {

void ShowMessage(std::string_view text, std::string_view caption) {
  MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(caption).c_str(), MB_OK);
}

bool OpenUrl(std::string_view url) {
  const std::wstring wide = Wide(url);
  if (wide.empty()) return false;
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace yz
