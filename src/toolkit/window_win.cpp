#include "toolkit/window_win.h"

#include <commctrl.h>

#include <cstdlib>
#include <map>
#include <utility>

#include "toolkit/text.h"
#include "toolkit/wide_win.h"

namespace yz::ui {
namespace {

constexpr wchar_t kWindowClass[] = L"YanzhouWindow";
constexpr int kFirstControlId = 100;

// GetDpiForWindow and GetDpiForSystem exist from Windows 10 1607 on; before
// that the screen's DPI holds for every window.
int DpiOf(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (hwnd && getDpiForWindow) {
    if (const UINT dpi = getDpiForWindow(hwnd)) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

void RegisterWindowClass(WNDPROC proc) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  wc.hIconSm = wc.hIcon;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  registered = RegisterClassExW(&wc) != 0;
}

}  // namespace

bool FaceHasGlyphs(const std::wstring& face, const std::wstring& text) {
  HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
  if (!font) return false;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  std::vector<WORD> glyphs(text.size());
  const DWORD n = GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                                   GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  if (n != text.size()) return false;
  for (WORD glyph : glyphs) {
    if (glyph == 0xFFFF) return false;
  }
  return true;
}

std::wstring ChineseFace(std::string_view wanted) {
  static std::map<std::string, std::wstring, std::less<>> chosen;
  if (auto it = chosen.find(wanted); it != chosen.end()) return it->second;
  std::vector<std::wstring> faces = {Wide(wanted), L"Microsoft YaHei", L"SimSun", L"NSimSun", L"SimHei",
                                     L"Microsoft JhengHei", L"WenQuanYi Micro Hei", L"Noto Sans CJK SC"};
  std::wstring face = faces.front();
  for (const std::wstring& candidate : faces) {
    if (FaceHasGlyphs(candidate, L"中文问答")) {
      face = candidate;
      break;
    }
  }
  chosen.emplace(std::string(wanted), face);
  return face;
}

// ---- Control

Control::Control(Window& window, const ControlLayout& layout, int id) : window_(window), layout_(layout), id_(id) {}

Control::~Control() {
  if (font_) DeleteObject(font_);
  if (backBrush_) DeleteObject(backBrush_);
}

void Control::Create() {
  const wchar_t* windowClass = L"STATIC";
  DWORD style = WS_CHILD | (layout_.visible ? WS_VISIBLE : 0) | (layout_.tabStop ? WS_TABSTOP : 0);
  DWORD exStyle = 0;
  bool subclass = false;
  switch (layout_.kind) {
    case Kind::EditBox:
      windowClass = L"EDIT";
      exStyle = WS_EX_STATICEDGE;
      style |= layout_.multiLine ? (ES_MULTILINE | ES_AUTOVSCROLL) : ES_AUTOHSCROLL;
      if (!layout_.enabled) {
        style |= ES_READONLY;
        subclass = true;
      }
      break;
    case Kind::TransparentLabel:
    case Kind::Label:
      style |= SS_LEFT | (layout_.clickable ? SS_NOTIFY : 0);
      subclass = layout_.clickable;
      break;
    case Kind::Button:
      windowClass = L"BUTTON";
      style |= BS_PUSHBUTTON;
      break;
    case Kind::CheckBox:
      windowClass = L"BUTTON";
      style |= BS_AUTOCHECKBOX;
      break;
    case Kind::PictureBox:
      style |= SS_BITMAP | SS_CENTERIMAGE;
      break;
    case Kind::ShapeBox:
      style |= SS_NOTIFY;
      subclass = true;
      break;
    case Kind::ProgressBar:
      windowClass = PROGRESS_CLASSW;
      break;
  }
  if (layout_.backColor != kDefaultColor) backBrush_ = CreateSolidBrush(layout_.backColor);
  hwnd_ = CreateWindowExW(exStyle, windowClass, Wide(layout_.text).c_str(), style, 0, 0, 0, 0, window_.hwnd(),
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), GetModuleHandleW(nullptr), nullptr);
  if (subclass) SetWindowSubclass(hwnd_, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
  Place();
}

void Control::Place() {
  MoveWindow(hwnd_, window_.Scale(layout_.left), window_.Scale(layout_.top), window_.Scale(layout_.width),
             window_.Scale(layout_.height), TRUE);
  HFONT font = CreateFontW(-window_.Scale(layout_.font.height), 0, 0, 0, layout_.font.weight, FALSE,
                           layout_.font.underline, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, ChineseFace(layout_.font.face).c_str());
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (font_) DeleteObject(font_);
  font_ = font;
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
  auto* self = reinterpret_cast<Control*>(data);
  switch (message) {
    case WM_NCHITTEST:
      // A disabled edit box lets the mouse through to the window beneath,
      // so it can be neither focused nor scrolled, and dragging moves the window.
      if (self->layout_.kind == Kind::EditBox) return HTTRANSPARENT;
      break;
    case WM_LBUTTONDOWN:
      if (self->onLeftButtonDown) self->onLeftButtonDown();
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, SubclassProc, 0);
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

std::string Control::Text() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), length + 1)));
  return GbkFromWide(text);
}

void Control::SetText(std::string_view text) {
  if (layout_.kind == Kind::EditBox && layout_.maxLength > 0) {
    text = CutOnCharacter(text, static_cast<size_t>(layout_.maxLength));
  }
  SetWindowTextW(hwnd_, Wide(text).c_str());
  if (layout_.kind == Kind::TransparentLabel) {
    // The parent paints a transparent label's background: have it repaint
    // there, or the old text would show through the new.
    RECT r;
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, window_.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    InvalidateRect(window_.hwnd(), &r, TRUE);
  }
}

void Control::AppendText(std::string_view text) {
  SetText(Text().append(text));
  const LRESULT end = Send(WM_GETTEXTLENGTH);
  Send(EM_SETSEL, static_cast<WPARAM>(end), end);
  Send(EM_SCROLLCARET);
}

bool Control::Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
void Control::SetChecked(bool checked) { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
bool Control::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
void Control::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

void Control::SetProgress(int minimum, int maximum, int position) {
  Send(PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
  Send(PBM_SETPOS, static_cast<WPARAM>(position));
}

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageW(hwnd_, message, wParam, lParam);
}

// ---- Window

Window::Window(WindowLayout layout) : layout_(std::move(layout)), height_(layout_.height) {
  for (size_t i = 0; i < layout_.controls.size(); ++i) {
    controls_.push_back(std::make_unique<Control>(*this, layout_.controls[i], kFirstControlId + static_cast<int>(i)));
  }
}

Window::~Window() { Destroy(); }

void Window::Load() {
  if (hwnd_) {
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd_);
    return;
  }
  RegisterWindowClass(Proc);
  dpi_ = DpiOf(nullptr);
  const int width = Scale(layout_.width), height = Scale(height_);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  CreateWindowExW(0, kWindowClass, Wide(layout_.title).c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                  x, y, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return;
  // The monitor the window opened on may have another DPI than the system's.
  if (const int dpi = DpiOf(hwnd_); dpi != dpi_) {
    dpi_ = dpi;
    SetWindowPos(hwnd_, nullptr, x, y, Scale(layout_.width), Scale(height_), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (auto& control : controls_) control->Create();
  if (onCreated) onCreated();
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

void Window::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

Control& Window::operator[](std::string_view name) {
  for (auto& control : controls_) {
    if (control->layout().name == name) return *control;
  }
  std::abort();
}

void Window::SetHeight(int height) {
  height_ = height;
  if (hwnd_) {
    SetWindowPos(hwnd_, nullptr, 0, 0, Scale(layout_.width), Scale(height_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Window::SetTopmost(bool topmost) {
  SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Window::Topmost() const { return (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

int Window::RegisterHotKey(Control& receiver, UINT modifiers, UINT virtualKey) {
  const int id = static_cast<int>(hotKeys_.size()) + 1;
  if (!::RegisterHotKey(hwnd_, id, modifiers | MOD_NOREPEAT, virtualKey)) return 0;
  hotKeys_.emplace_back(id, &receiver);
  return id;
}

Control* Window::ById(int id) {
  const int index = id - kFirstControlId;
  return (index >= 0 && index < static_cast<int>(controls_.size())) ? controls_[index].get() : nullptr;
}

Control* Window::ByHandle(HWND hwnd) {
  for (auto& control : controls_) {
    if (control->hwnd() == hwnd) return control.get();
  }
  return nullptr;
}

void Window::PlaceAll() {
  for (auto& control : controls_) control->Place();
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    // An event handler's failure ends with the handler.
    return 0;
  }
}

LRESULT Window::ControlColor(HDC dc, HWND child, bool edit) {
  Control* control = ByHandle(child);
  if (!control) return DefWindowProcW(hwnd_, edit ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                                      reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
  const ControlLayout& layout = control->layout();
  if (layout.textColor != kDefaultColor) SetTextColor(dc, layout.textColor);
  if (layout.kind == Kind::TransparentLabel) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  if (control->backBrush_) {
    SetBkColor(dc, layout.backColor);
    return reinterpret_cast<LRESULT>(control->backBrush_);
  }
  if (layout.kind == Kind::EditBox) {
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      Control* control = ById(LOWORD(wParam));
      if (!control || reinterpret_cast<HWND>(lParam) != control->hwnd()) break;
      const UINT code = HIWORD(wParam);
      std::function<void()>* handler = nullptr;
      if (code == EN_CHANGE) handler = &control->onTextChanged;
      if (code == BN_CLICKED && (control->layout().kind == Kind::Button || control->layout().kind == Kind::CheckBox)) {
        handler = &control->onClicked;
      }
      if (code == STN_DBLCLK) handler = &control->onDoubleClicked;
      if (handler && *handler) (*handler)();
      return 0;
    }
    case WM_CTLCOLOREDIT:
      return ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), true);
    case WM_CTLCOLORSTATIC:
      return ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
    case WM_HOTKEY:
      for (auto& [id, receiver] : hotKeys_) {
        if (id == static_cast<int>(wParam) && receiver->onFeedback) receiver->onFeedback();
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS: {
      // Typing goes where it went before, or to the first control that
      // takes the focus: the user can type a query as soon as the window shows.
      HWND target = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
      if (target) SetFocus(target);
      return 0;
    }
    case WM_LBUTTONDOWN:
      // The background drags the window as the title bar does.
      ReleaseCapture();
      SendMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, Scale(layout_.width), Scale(height_),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      PlaceAll();
      return 0;
    }
    case WM_DESTROY:
      for (auto& hotKey : hotKeys_) UnregisterHotKey(hwnd_, hotKey.first);
      hotKeys_.clear();
      if (onDestroying) onDestroying();
      return 0;
    case WM_NCDESTROY: {
      HWND hwnd = std::exchange(hwnd_, nullptr);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace yz::ui
