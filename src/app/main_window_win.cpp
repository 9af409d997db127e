#include "app/main_window_win.h"

#include "app/translucency_win.h"
#include "ocr/ocr_search_win.h"
#include "toolkit/runtime.h"
#include "toolkit/ui_win.h"

namespace yz {
namespace {

using ui::Kind;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

ui::WindowLayout MainWindowLayout() {
  return {
      .name = "MainWindow",
      .title = "砚舟知问",
      .width = 243,
      .height = 432,
      .controls = {
          {.name = "编辑框_手动搜索", .kind = Kind::EditBox, .left = 72, .top = 8, .width = 160, .height = 24,
           .textColor = kBlack, .backColor = kLightGrey, .tabStop = true},
          {.name = "透明标签_手动搜索", .kind = Kind::TransparentLabel, .left = 7, .top = 12, .width = 72,
           .height = 23, .text = "手动搜索栏"},
          {.name = "编辑框_截图搜索", .kind = Kind::EditBox, .left = 72, .top = 33, .width = 160, .height = 24,
           .textColor = kBlack, .backColor = kLightGrey, .tabStop = true},
          {.name = "透明标签_截图搜索", .kind = Kind::TransparentLabel, .left = 8, .top = 36, .width = 72,
           .height = 23, .text = "截图搜索栏"},
          {.name = "编辑框2", .kind = Kind::EditBox, .left = 8, .top = 64, .width = 224, .height = 224,
           .textColor = kBlack, .backColor = kWhite, .enabled = false, .multiLine = true,
           .maxLength = static_cast<int>(kResultLimit)},
          {.name = "标签1", .kind = Kind::Label, .left = 24, .top = 216, .width = 128, .height = 16,
           .visible = false},
          {.name = "透明标签_版本", .kind = Kind::TransparentLabel, .left = 97, .top = 288, .width = 140,
           .height = 32, .font = {.height = 10}, .visible = false, .clickable = true},
          {.name = "选择框_窗口最前", .kind = Kind::CheckBox, .left = 8, .top = 296, .width = 80, .height = 16,
           .text = "窗口最前", .tabStop = true},
          {.name = "按钮_截图配置", .kind = Kind::Button, .left = 113, .top = 319, .width = 120, .height = 24,
           .text = "截图配置", .tabStop = true},
          {.name = "透明标签_用时", .kind = Kind::TransparentLabel, .left = 6, .top = 323, .width = 85,
           .height = 23, .text = "用时："},
          {.name = "按钮_截图搜索", .kind = Kind::Button, .left = 113, .top = 344, .width = 120, .height = 24,
           .text = "截图搜索（home）", .tabStop = true},
          {.name = "透明标签_作者", .kind = Kind::TransparentLabel, .left = 6, .top = 349, .width = 88,
           .height = 16, .text = "By：松间一叶"},
          {.name = "进度条1", .kind = Kind::ProgressBar, .left = 5, .top = 375, .width = 225, .height = 24},
      }};
}

}  // namespace

MainWindow::MainWindow(AppState& state) : state_(state), window_(MainWindowLayout()) {
  ocrSearch = [this] { RunOcrSearch(*this); };
  onClosed = [] {
    ui::PauseProcessingEvents(50);
    ui::EndProcess(0);
  };
  window_.onCreated = [this] { OnCreated(); };
  window_.onDestroying = [this] {
    if (onClosed) onClosed();
  };
  auto& manual = window_["编辑框_手动搜索"];
  auto& captured = window_["编辑框_截图搜索"];
  manual.onTextChanged = [this, &manual] { StartSearch(manual); };
  captured.onTextChanged = [this, &captured] { StartSearch(captured); };
  window_["按钮_截图搜索"].onClicked = [this] { StartWorker([this] { ocrSearch(); }); };
  window_["标签1"].onFeedback = [this] { ocrSearch(); };
  window_["选择框_窗口最前"].onClicked = [this] { window_.SetTopmost(window_["选择框_窗口最前"].Checked()); };
}

void MainWindow::OnCreated() {
  window_.SetHeight(kHeight);
  // The window skin would be applied here.
  StartBankLoad();
  hotKey_ = window_.RegisterHotKey(window_["标签1"], 0, kHotKey);
  // This window's own handle: looking it up by its title could find the
  // window of another running copy.
  SetWindowTranslucency(window_.hwnd(), kAlpha);
  // The check for a newer bank starts here.
}

void MainWindow::StartBankLoad() {
  StartWorker([this] {
    LoadQuestionBank(state_.bank, state_.bankPath);
    ui::PostToUi([this] {
      if (lastSearchBox_ && !lastSearchBox_->Text().empty()) StartSearch(*lastSearchBox_);
    });
  });
}

void MainWindow::StartSearch(ui::Control& box) {
  lastSearchBox_ = &box;
  const std::uint64_t generation = state_.searches.Next();
  std::string query = box.Text();
  auto bank = state_.bank.Snapshot();
  ui::Control& results = window_["编辑框2"];
  SearchGenerations& searches = state_.searches;
  StartWorker([&results, &searches, generation, query = std::move(query), bank = std::move(bank)] {
    auto found = SearchBank(*bank, query, {.generations = &searches, .generation = generation});
    if (!found) return;
    ui::PostToUi([&results, &searches, generation, text = std::move(found->text)] {
      if (searches.IsNewest(generation)) results.SetText(text);
    });
  });
}

}  // namespace yz
