// Windows built from layout tables. A Window owns its controls; one window
// procedure links each HWND to its object and raises typed events, always on
// the UI thread. Texts are GBK, like every text of the tool; the controls are
// the system's wide ones, so Chinese shows whatever the ANSI code page is.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace yz::ui {

enum class Kind { EditBox, TransparentLabel, Label, Button, CheckBox, PictureBox, ShapeBox, ProgressBar };

inline constexpr COLORREF kDefaultColor = CLR_INVALID;

struct Font {
  std::string_view face = "微软雅黑";
  int height = 12;  // character height in layout pixels
  int weight = FW_NORMAL;
  bool underline = false;
};

// One control of a layout: positions and sizes in client pixels at 96 DPI.
struct ControlLayout {
  std::string_view name;
  Kind kind;
  int left, top, width, height;
  std::string_view text = {};
  Font font = {};
  COLORREF textColor = kDefaultColor;
  COLORREF backColor = kDefaultColor;
  bool visible = true;
  // A disabled edit box takes no typing, focus or scrolling, yet keeps its
  // colours (a system-disabled one would grey its text).
  bool enabled = true;
  bool multiLine = false;  // edit boxes: several lines, wrapped at words
  bool tabStop = false;
  bool clickable = false;  // labels: raise onLeftButtonDown
  int maxLength = 0;       // edit boxes: most GBK bytes held, 0 for no limit
};

struct WindowLayout {
  std::string_view name;
  std::string_view title;
  int width, height;  // the outer size at 96 DPI
  std::vector<ControlLayout> controls;
};

class Window;

class Control {
 public:
  Control(Window& window, const ControlLayout& layout, int id);
  ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlLayout& layout() const { return layout_; }
  HWND hwnd() const { return hwnd_; }

  std::string Text() const;
  // Replaces the text; an edit box's maximum length cuts it on a character.
  void SetText(std::string_view text);
  // Inserts at the end and scrolls there, within the maximum length.
  void AppendText(std::string_view text);
  bool Checked() const;
  void SetChecked(bool checked);
  bool Visible() const;
  void SetVisible(bool visible);
  void SetProgress(int minimum, int maximum, int position);
  // Sends a message to the control.
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  std::function<void()> onTextChanged;     // edit boxes
  std::function<void()> onClicked;         // buttons and check boxes
  std::function<void()> onFeedback;        // labels: raised by a hot key
  std::function<void()> onLeftButtonDown;  // clickable labels and shape boxes
  std::function<void()> onDoubleClicked;   // shape boxes

 private:
  friend class Window;
  void Create();
  void Place();  // moves and sizes the control and sets its font at the window's DPI
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  Window& window_;
  ControlLayout layout_;
  int id_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  HBRUSH backBrush_ = nullptr;
};

class Window {
 public:
  explicit Window(WindowLayout layout);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Creates and shows the window, not modal; a window already loaded is
  // brought to the front instead.
  void Load();
  bool Loaded() const { return hwnd_ != nullptr; }
  void Destroy();
  HWND hwnd() const { return hwnd_; }

  // The control of that name in the layout; the names are fixed, so an
  // unknown one is a programming error and ends the process.
  Control& operator[](std::string_view name);

  // Outer height in layout pixels.
  void SetHeight(int height);
  int Height() const { return height_; }
  void SetTopmost(bool topmost);
  bool Topmost() const;
  // Layout pixels to this window's physical pixels.
  int Scale(int value) const { return MulDiv(value, dpi_, 96); }
  int dpi() const { return dpi_; }

  // A system-wide hot key whose presses raise receiver's onFeedback.
  // Returns its identifier, 0 when the key is taken.
  int RegisterHotKey(Control& receiver, UINT modifiers, UINT virtualKey);

  std::function<void()> onCreated;
  std::function<void()> onDestroying;

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT ControlColor(HDC dc, HWND child, bool edit);
  Control* ById(int id);
  Control* ByHandle(HWND hwnd);
  void PlaceAll();

  WindowLayout layout_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::pair<int, Control*>> hotKeys_;
  HWND hwnd_ = nullptr;
  HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
  int height_;
  int dpi_ = 96;
};

// The face of the font the controls use: the layout's face when it can draw
// Chinese, else the first installed face that can.
std::wstring ChineseFace(std::string_view wanted);

// Whether a font of that face has a glyph for every character of text.
bool FaceHasGlyphs(const std::wstring& face, const std::wstring& text);

}  // namespace yz::ui
