#pragma once

#include <windows.h>

namespace yz {

// Makes the window layered and translucent. Without click-through its
// extended style becomes exactly WS_EX_LAYERED; with it, WS_EX_TRANSPARENT
// and WS_EX_LAYERED are added to what it has. A colour key of 0 means none.
void SetWindowTranslucency(HWND window, BYTE alpha, COLORREF colorKey = 0, bool clickThrough = false);

}  // namespace yz
