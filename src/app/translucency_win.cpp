#include "app/translucency_win.h"

namespace yz {

void SetWindowTranslucency(HWND window, BYTE alpha, COLORREF colorKey, bool clickThrough) {
  const LONG_PTR style = clickThrough ? GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_TRANSPARENT | WS_EX_LAYERED
                                      : WS_EX_LAYERED;
  SetWindowLongPtrW(window, GWL_EXSTYLE, style);
  const DWORD flags = colorKey == 0 ? LWA_ALPHA : (alpha != 0 ? LWA_COLORKEY | LWA_ALPHA : LWA_COLORKEY);
  SetLayeredWindowAttributes(window, colorKey, alpha, flags);
}

}  // namespace yz
