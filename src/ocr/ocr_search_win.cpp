#include "ocr/ocr_search_win.h"

namespace yz {

void RunOcrSearch(MainWindow&) {
  // The capture and the OCR round trip are not built yet: Home and the
  // button reach this point, on their threads, and nothing more happens.
}

}  // namespace yz
