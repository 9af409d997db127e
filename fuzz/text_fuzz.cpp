// Find, Split, TextBetween, HalfWidth and UpperCase on arbitrary bytes: no crash, and the
// results keep their promises. Input: a delimiter length byte, then the
// delimiter, then the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bank/bank_file.h"
#include "toolkit/pinyin.h"
#include "toolkit/text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// Whether byte index i of text starts a character.
bool OnBoundary(std::string_view text, size_t i) {
  size_t k = 0;
  while (k < i) k += yz::IsLeadByte(text[k]) ? 2 : 1;
  return k == i;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t delimiterLength = std::min<size_t>(data[0] % 4, size - 1);
  const std::string_view delimiter = input.substr(1, delimiterLength);
  const std::string_view text = input.substr(1 + delimiterLength);

  const long found = yz::Find(text, delimiter);
  if (found > 0 && !delimiter.empty()) {
    Check(text.substr(found - 1, delimiter.size()) == delimiter);
    Check(OnBoundary(text, found - 1));
  }
  const long folded = yz::Find(text, delimiter, 1, true);
  Check(found < 0 || (folded > 0 && folded <= found));

  // Joining the pieces gives the text back, less one trailing delimiter.
  const auto pieces = yz::Split(text, delimiter);
  std::string joined;
  for (size_t i = 0; i < pieces.size(); ++i) joined += (i ? std::string(delimiter) : "") + pieces[i];
  if (!delimiter.empty() && text.size() > joined.size()) joined += delimiter;
  Check(joined == text);

  // The text between two markers is a piece of the text that ends right
  // before an end marker.
  const std::string between = yz::TextBetween(text, delimiter, delimiter);
  if (!between.empty()) {
    const size_t at = text.find(between + std::string(delimiter));
    Check(at != std::string_view::npos);
  }

  Check(yz::UpperCase(text).size() == text.size());
  Check(yz::HalfWidth(text).size() <= text.size());
  Check(yz::HalfWidth(yz::HalfWidth(text)).size() <= text.size());
  if (text.size() >= 2) Check(yz::Pinyin(text).size() <= 6);
  return 0;
}
