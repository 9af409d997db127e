#include "bankgen/bank_generator.h"

#include <random>

#include "bank/bank_file.h"
#include "toolkit/runtime.h"

namespace yz {

std::string GenerateBankText(size_t entries, unsigned seed) {
  std::mt19937 random(seed);
  auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  // Level-1 ideographs weighted toward the first rows, as common characters are.
  auto ideograph = [&] {
    const int row = 0xB0 + static_cast<int>(std::min(pick(40), pick(40)));
    return std::string{char(row), char(0xA1 + pick(94))};
  };
  const char* endings[] = {"？", "是什么？", "有几个？", "是哪一年？", "读作什么？"};
  const char* fullWidth[] = {"１２", "ＡＢ", "３６５", "Ｈ２Ｏ", "ＤＮＡ"};
  std::string text;
  text.reserve(entries * 64);
  for (size_t e = 0; e < entries; ++e) {
    if (e) text += '#';
    for (size_t n = 14 + pick(8); n > 0; --n) text += ideograph();
    if (pick(20) == 0) text += fullWidth[pick(5)];  // one entry in twenty has full-width forms
    text += endings[pick(5)];
    text += " 答案：";
    if (pick(4) == 0) {
      text += std::to_string(pick(2000));
    } else {
      for (size_t n = 2 + pick(4); n > 0; --n) text += ideograph();
    }
    text += "\r\n";
  }
  return text;
}

std::string GeneratedBankFile(size_t entries) {
  const std::string path = RunDirectory() + "/tk-" + std::to_string(entries) + ".txt";
  if (ReadWholeFile(path).empty()) {
    WriteWholeFile(path, EncodeBankFile(GenerateBankText(entries), "bench"));
  }
  return path;
}

}  // namespace yz
