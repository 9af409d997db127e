#pragma once

namespace yz {

class MainWindow;

// Captures the configured rectangle, has it recognised and writes the text
// into 编辑框_截图搜索, whose change then searches the bank. Runs on the UI
// thread when Home starts it and on a worker when the button does.
void RunOcrSearch(MainWindow& window);

}  // namespace yz
