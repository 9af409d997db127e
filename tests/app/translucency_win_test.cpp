#include "app/translucency_win.h"

#include <gtest/gtest.h>

namespace yz {
namespace {

TEST(TranslucencyTest, StyleAndAttributes) {
  struct Case {
    BYTE alpha;
    COLORREF colorKey;
    bool clickThrough;
    LONG_PTR exStyle;  // besides the edge every captioned window gets
    DWORD flags;
  } cases[] = {
      {170, 0, false, WS_EX_LAYERED, LWA_ALPHA},                 // the main window
      {70, 0, false, WS_EX_LAYERED, LWA_ALPHA},                  // the region selector
      {70, RGB(1, 2, 3), false, WS_EX_LAYERED, LWA_COLORKEY | LWA_ALPHA},
      {0, RGB(1, 2, 3), false, WS_EX_LAYERED, LWA_COLORKEY},
      // Click-through keeps the other bits; without it they are dropped.
      {100, 0, true, WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_LAYERED, LWA_ALPHA},
  };
  for (const auto& c : cases) {
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_CAPTION, 0, 0, 50, 50, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    SetWindowTranslucency(window, c.alpha, c.colorKey, c.clickThrough);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, c.exStyle) << int(c.alpha);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
    EXPECT_EQ(flags, c.flags) << int(c.alpha);
    if (flags & LWA_ALPHA) {
      EXPECT_EQ(alpha, c.alpha);
    }
    if (flags & LWA_COLORKEY) {
      EXPECT_EQ(key, c.colorKey);
    }
    DestroyWindow(window);
  }
}

}  // namespace
}  // namespace yz
