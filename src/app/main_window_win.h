// The main window: two search boxes, the result box, the OCR buttons and the
// version label, wired to the bank search and the OCR search. Its workers hold
// references to it and to the AppState, so both live as long as the process.
#pragma once

#include <functional>
#include <string>

#include "bank/question_bank.h"
#include "bank/search.h"
#include "toolkit/window_win.h"

namespace yz {

// The process-wide state, created before the window and living as long as
// the process.
struct AppState {
  QuestionBank bank;
  SearchGenerations searches;
  std::string bankPath;  // run directory + "\库\tk.txt"
};

class MainWindow {
 public:
  static constexpr int kHeight = 398;          // hides the progress bar's row
  static constexpr int kHeightDownloading = 432;
  static constexpr BYTE kAlpha = 170;
  static constexpr UINT kHotKey = VK_HOME;     // 36, no modifier

  explicit MainWindow(AppState& state);

  void Load() { window_.Load(); }
  ui::Window& window() { return window_; }
  ui::Control& operator[](std::string_view name) { return window_[name]; }
  // The hot key's identifier, 0 when another program holds Home.
  int hotKey() const { return hotKey_; }

  // The OCR search; the Home key runs it on the UI thread, the button on a
  // worker. Tests replace it to see where it runs.
  std::function<void()> ocrSearch;
  // What closing does: pause 50 ms handling events, then end the process
  // whatever workers still run. Tests replace it.
  std::function<void()> onClosed;

 private:
  void OnCreated();
  // Searches the bank for the box's text on a worker; the result reaches the
  // result box through the UI thread unless a newer search has started.
  void StartSearch(ui::Control& box);

  // Loads the bank on a worker; a query typed while it loaded is searched
  // again on the loaded bank.
  void StartBankLoad();

  AppState& state_;
  ui::Window window_;
  int hotKey_ = 0;
  ui::Control* lastSearchBox_ = nullptr;  // the box whose text changed last
};

}  // namespace yz
