#include "toolkit/ui_win.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

namespace yz::ui {
namespace {

constexpr UINT kRunTask = WM_APP + 1;
HWND taskWindow = nullptr;

LRESULT CALLBACK TaskWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunTask) {
    std::unique_ptr<std::function<void()>> task(reinterpret_cast<std::function<void()>*>(lParam));
    try {
      (*task)();
    } catch (...) {
      // A task reports through what it shows; it never unwinds the event loop.
    }
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Dispatch(MSG& msg) {
  // Tab moves between the controls of whichever window holds the message.
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

void Initialize() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS;
  InitCommonControlsEx(&controls);
  WNDCLASSW tasks{};
  tasks.lpfnWndProc = TaskWindowProc;
  tasks.hInstance = GetModuleHandleW(nullptr);
  tasks.lpszClassName = L"YanzhouUiTasks";
  RegisterClassW(&tasks);
  taskWindow = CreateWindowExW(0, tasks.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               tasks.hInstance, nullptr);
}

bool PostToUi(std::function<void()> task) {
  auto* heapTask = new std::function<void()>(std::move(task));
  if (taskWindow && PostMessageW(taskWindow, kRunTask, 0, reinterpret_cast<LPARAM>(heapTask))) return true;
  delete heapTask;
  return false;
}

void ProcessPendingEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the event loop
      return;
    }
    Dispatch(msg);
  }
}

void PauseProcessingEvents(int ms) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(ms < 0 ? 0 : ms);
  for (;;) {
    ProcessPendingEvents();
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

int RunEventLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

void EndProcess(int code) { ExitProcess(static_cast<UINT>(code)); }

}  // namespace yz::ui
