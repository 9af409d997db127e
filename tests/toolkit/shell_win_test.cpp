// The message box, under Wine on a virtual display.
#include "toolkit/shell_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace yz {
namespace {

TEST(ShellTest, MessageBoxHasTheDefaultCaptionAndTheText) {
  std::wstring seenText;
  bool seen = false;
  // The box is modal: another thread finds it, reads it and presses OK.
  std::thread closer([&] {
    for (int i = 0; i < 500 && !seen; ++i) {
      if (HWND box = FindWindowW(L"#32770", L"信息：")) {
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        seenText = text;
        seen = true;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(10);
    }
  });
  ShowMessage("请先配置截图信息");
  closer.join();
  EXPECT_TRUE(seen);
  EXPECT_EQ(seenText, L"请先配置截图信息");
}

}  // namespace
}  // namespace yz
