// 砚舟知问: start-up.
#include <windows.h>

#include "app/main_window_win.h"
#include "toolkit/runtime.h"
#include "toolkit/ui_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The state lives for the whole process; closing the window ends it
  // without unwinding, so it is never destroyed under a running worker.
  static yz::AppState state;
  state.bankPath = yz::RunDirectory() + "\\库\\tk.txt";
  yz::ui::Initialize();
  static yz::MainWindow window(state);
  window.Load();
  return yz::ui::RunEventLoop();
}
