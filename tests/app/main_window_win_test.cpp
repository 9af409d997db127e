// The main window under Wine on a virtual display: its state after creation,
// searching while typing, the Home hot key, topmost, and closing.
#include "app/main_window_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "bank/bank_file.h"
#include "bankgen/bank_generator.h"
#include "toolkit/codepage.h"
#include "toolkit/runtime.h"
#include "toolkit/ui_win.h"
#include "toolkit/wide_win.h"

namespace yz {
namespace {

// Handles events until the condition holds or the time is up.
template <typename F>
bool WaitFor(F&& condition, int ms = 5000) {
  for (int waited = 0; waited < ms; waited += 5) {
    ui::ProcessPendingEvents();
    if (condition()) return true;
    Sleep(5);
  }
  return condition();
}

const std::string kSampleBank = RunDirectory() + "\\sample\\库\\tk.txt";

// What the result box shows after the queries, searched in turn on a bank
// fresh from the file (searches leave entries converted to half width, so
// the order matters).
std::string Expected(std::initializer_list<std::string_view> queries) {
  const auto bank = BankSnapshot::FromPlainText(DecodeBankFile(ReadWholeFile(kSampleBank)));
  std::string text;
  for (std::string_view query : queries) text = SearchBank(*bank, query)->text;
  return text;
}

class MainWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { ui::Initialize(); }

  void SetUp() override {
    state_.bankPath = kSampleBank;
    window_.onClosed = [] {};
    window_.ocrSearch = [this] {
      ocrThread_ = GetCurrentThreadId();
      ++ocrRuns_;
    };
    window_.Load();
    ASSERT_TRUE(WaitFor([&] { return state_.bank.Snapshot()->size() == 60; }));
  }

  void TearDown() override {
    // Workers post their results to the window: let them land before it goes.
    ui::PauseProcessingEvents(200);
    window_.window().Destroy();
  }

  // Types the text into the box a character at a time, as the keyboard does.
  void Type(ui::Control& box, const std::string& gbk) {
    for (wchar_t c : Wide(gbk)) box.Send(WM_CHAR, c, 1);
  }
  std::string Results() { return window_["编辑框2"].Text(); }
  bool ResultsSettle(const std::string& expected) {
    return WaitFor([&] { return Results() == expected; });
  }

  AppState state_;
  MainWindow window_{state_};
  std::atomic<DWORD> ocrThread_ = 0;
  std::atomic<int> ocrRuns_ = 0;
};

TEST_F(MainWindowTest, CreationState) {
  HWND hwnd = window_.window().hwnd();
  wchar_t title[64] = {};
  GetWindowTextW(hwnd, title, 64);
  EXPECT_STREQ(title, L"砚舟知问");

  RECT outer;
  GetWindowRect(hwnd, &outer);
  EXPECT_EQ(outer.right - outer.left, 243);
  EXPECT_EQ(outer.bottom - outer.top, 398);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 243) / 2);

  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  // Layered and nothing else, but the edge the system gives every captioned window.
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, WS_EX_LAYERED);

  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 170);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));

  EXPECT_FALSE(window_["标签1"].Visible());
  EXPECT_FALSE(window_["透明标签_版本"].Visible());
  // The progress bar's row lies below the client area.
  RECT client, progress;
  GetClientRect(hwnd, &client);
  GetWindowRect(window_["进度条1"].hwnd(), &progress);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&progress), 2);
  EXPECT_GE(progress.top, client.bottom);
  EXPECT_NE(window_.hotKey(), 0);

  const LONG_PTR results = GetWindowLongPtrW(window_["编辑框2"].hwnd(), GWL_STYLE);
  EXPECT_TRUE(results & ES_MULTILINE);
  EXPECT_FALSE(results & (WS_HSCROLL | WS_VSCROLL | WS_TABSTOP));
  EXPECT_TRUE(GetWindowLongPtrW(window_["编辑框_手动搜索"].hwnd(), GWL_STYLE) & WS_TABSTOP);
  EXPECT_EQ(window_["按钮_截图搜索"].Text(), "截图搜索（home）");
  EXPECT_EQ(window_["透明标签_作者"].Text(), "By：松间一叶");
}

TEST_F(MainWindowTest, FontsDrawChinese) {
  for (const char* name : {"编辑框2", "透明标签_手动搜索", "透明标签_版本"}) {
    auto font = reinterpret_cast<HFONT>(window_[name].Send(WM_GETFONT));
    ASSERT_TRUE(font) << name;
    LOGFONTW logFont{};
    GetObjectW(font, sizeof logFont, &logFont);
    EXPECT_EQ(-logFont.lfHeight, std::string_view(name) == "透明标签_版本" ? 10 : 12) << name;
    EXPECT_TRUE(ui::FaceHasGlyphs(logFont.lfFaceName, L"砚舟知问手动搜索栏")) << name;
  }
}

TEST_F(MainWindowTest, TypingListsTheMatchingEntries) {
  auto& box = window_["编辑框_手动搜索"];
  Type(box, "长江");
  const std::string expected = Expected({"长", "长江"});
  EXPECT_NE(expected.find("长江是中国第一长河"), std::string::npos);
  EXPECT_TRUE(ResultsSettle(expected)) << Results();

  // Clearing the box empties the results.
  box.SetText("");
  EXPECT_TRUE(ResultsSettle(""));
}

TEST_F(MainWindowTest, PinyinInitialsFindEntries) {
  Type(window_["编辑框_手动搜索"], "tyx");
  const std::string expected = Expected({"t", "ty", "tyx"});
  EXPECT_NE(expected.find("太阳系"), std::string::npos);
  EXPECT_TRUE(ResultsSettle(expected)) << Results();
}

TEST_F(MainWindowTest, ResultsHoldAtMost300BytesOnACharacter) {
  Type(window_["编辑框_手动搜索"], "a");
  const std::string expected = Expected({"a"});
  EXPECT_LE(expected.size(), 300u);
  EXPECT_GT(expected.size(), 290u);
  EXPECT_TRUE(ResultsSettle(expected)) << Results();
}

// Changes in quick succession, from both boxes: the box ends with the newest
// query's results, each entry once, and an older search never overwrites them.
TEST_F(MainWindowTest, OnlyTheNewestQueryShows) {
  auto& manual = window_["编辑框_手动搜索"];
  auto& captured = window_["编辑框_截图搜索"];
  manual.SetText("d");
  captured.SetText("答案");
  manual.SetText("zg");
  const std::string expected = Expected({"zg"});
  ASSERT_TRUE(ResultsSettle(expected)) << Results();
  ui::PauseProcessingEvents(300);
  EXPECT_EQ(Results(), expected);
}

// Runs a command line of xdotool from inside Wine.
void Xdotool(std::wstring arguments) {
  std::wstring command = L"/usr/bin/xdotool " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::atomic<int> standInKeys = 0;

LRESULT CALLBACK StandInProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == VK_HOME) ++standInKeys;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Home with another window focused, as the game would be: the hot key takes
// it, and the OCR search runs on the UI thread.
TEST_F(MainWindowTest, HomeRunsTheOcrSearchOnTheUiThread) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = StandInProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"YanzhouGameStandIn";
  RegisterClassW(&wc);
  HWND game = CreateWindowExW(0, wc.lpszClassName, L"YanzhouGameStandIn", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                              300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_TRUE(game);
  ui::PauseProcessingEvents(300);

  Xdotool(L"search --onlyvisible --name YanzhouGameStandIn windowfocus --sync %1 key Home");

  EXPECT_TRUE(WaitFor([&] { return ocrRuns_ > 0; }, 10000));
  EXPECT_EQ(ocrThread_, GetCurrentThreadId());
  EXPECT_EQ(GetForegroundWindow(), game);
  EXPECT_EQ(standInKeys, 0);  // swallowed by the hot key
  DestroyWindow(game);
}

TEST_F(MainWindowTest, DraggingTheBackgroundMovesTheWindow) {
  HWND hwnd = window_.window().hwnd();
  RECT before;
  GetWindowRect(hwnd, &before);
  POINT background{100, 300};  // between the check box and the buttons
  ClientToScreen(hwnd, &background);
  Xdotool(L"mousemove " + std::to_wstring(background.x) + L" " + std::to_wstring(background.y) +
          L" mousedown 1 sleep 0.2 mousemove_relative 40 30 sleep 0.2 mouseup 1");
  RECT after{};
  EXPECT_TRUE(WaitFor([&] {
    GetWindowRect(hwnd, &after);
    return after.left == before.left + 40 && after.top == before.top + 30;
  })) << after.left - before.left << "," << after.top - before.top;
}

TEST_F(MainWindowTest, TabVisitsTheSearchBoxesTheCheckBoxAndTheButtons) {
  HWND hwnd = window_.window().hwnd();
  std::vector<std::string> visited;
  HWND control = nullptr;
  for (int i = 0; i < 6; ++i) {
    control = GetNextDlgTabItem(hwnd, control, FALSE);
    for (const char* name : {"编辑框_手动搜索", "编辑框_截图搜索", "选择框_窗口最前", "按钮_截图配置", "按钮_截图搜索"}) {
      if (window_[name].hwnd() == control) visited.push_back(name);
    }
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"编辑框_手动搜索", "编辑框_截图搜索", "选择框_窗口最前", "按钮_截图配置",
                                               "按钮_截图搜索", "编辑框_手动搜索"}));
  // Typing goes to the first search box as soon as the window is active.
  EXPECT_EQ(GetFocus(), window_["编辑框_手动搜索"].hwnd());
}

TEST_F(MainWindowTest, TheButtonRunsTheOcrSearchOnAWorker) {
  window_["按钮_截图搜索"].Send(BM_CLICK);
  ASSERT_TRUE(WaitFor([&] { return ocrRuns_ > 0; }));
  EXPECT_NE(ocrThread_, GetCurrentThreadId());
}

TEST_F(MainWindowTest, TopmostFollowsTheCheckBox) {
  auto& box = window_["选择框_窗口最前"];
  EXPECT_FALSE(window_.window().Topmost());
  box.Send(BM_CLICK);
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(window_.window().Topmost());
  box.Send(BM_CLICK);
  EXPECT_FALSE(window_.window().Topmost());
}

TEST_F(MainWindowTest, LoadingTwiceKeepsOneWindow) {
  HWND first = window_.window().hwnd();
  ShowWindow(first, SW_MINIMIZE);
  window_.Load();
  EXPECT_EQ(window_.window().hwnd(), first);
  EXPECT_FALSE(IsIconic(first));
}

// A query typed while a large bank still loads is searched again once it has
// loaded, so the user need not type it a second time.
TEST(MainWindowLoadTest, AQueryTypedDuringTheLoadIsSearchedOnTheLoadedBank) {
  const std::string plain = GenerateBankText(200000);
  AppState state;
  state.bankPath = RunDirectory() + "\\tk-load-test.txt";
  ASSERT_TRUE(WriteWholeFile(state.bankPath, EncodeBankFile(plain, "1")));
  const auto bank = BankSnapshot::FromPlainText(plain);
  const std::string query(bank->Entry(150000).substr(0, 6));
  const std::string expected = SearchBank(*bank, query)->text;
  ASSERT_FALSE(expected.empty());
  {
    MainWindow window(state);
    window.onClosed = [] {};
    window.Load();
    window["编辑框_手动搜索"].SetText(query);
    EXPECT_TRUE(WaitFor([&] { return window["编辑框2"].Text() == expected; }, 20000));
    ui::PauseProcessingEvents(200);
  }
  std::filesystem::remove(std::filesystem::path(ToUtf16(state.bankPath, CodePage::kGbk)));
}

// The real program, in a folder of its own with a large bank: closed while
// its bank load and its searches run, it ends at once.
TEST(MainWindowProcessTest, ClosingEndsTheProcessWhileWorkersRun) {
  namespace fs = std::filesystem;
  const fs::path run(ToUtf16(RunDirectory(), CodePage::kGbk));
  const fs::path folder = run / L"关闭测试";
  fs::remove_all(folder);
  fs::create_directories(folder / L"库");
  fs::copy_file(run / L".." / L"src" / L"yanzhou.exe", folder / L"yanzhou.exe");
  const std::string folderGbk = FromUtf16(folder.u16string(), CodePage::kGbk);
  ASSERT_TRUE(WriteWholeFile(folderGbk + "\\库\\tk.txt", EncodeBankFile(GenerateBankText(400000), "1")));

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + (folder / L"yanzhou.exe").wstring() + L"\"";
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                             &process));
  HWND hwnd = nullptr;
  for (int i = 0; i < 500 && !hwnd; ++i) {
    Sleep(20);
    for (HWND w = FindWindowW(nullptr, L"砚舟知问"); w; w = FindWindowExW(nullptr, w, nullptr, L"砚舟知问")) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == process.dwProcessId) hwnd = w;
    }
  }
  ASSERT_TRUE(hwnd);
  // The search box is the first edit control; every change starts a search.
  HWND box = FindWindowExW(hwnd, nullptr, L"EDIT", nullptr);
  for (const wchar_t* query : {L"a", L"ab", L"d", L"答案", L"vq"}) SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(query));
  const ULONGLONG closing = GetTickCount64();
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  const ULONGLONG took = GetTickCount64() - closing;
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  std::printf("closed in %llu ms\n", took);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace yz
