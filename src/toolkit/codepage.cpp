#include "toolkit/codepage.h"

namespace yz {
namespace {

// Bytes of the character that starts with this byte, in the code page.
size_t CharacterLength(std::string_view text, size_t i, CodePage page) {
  const auto lead = static_cast<unsigned char>(text[i]);
  size_t n = 1;
  if (page == CodePage::kGbk) {
    n = lead >= 0x81 && lead <= 0xFE ? 2 : 1;
  } else if (lead >= 0xF0) {
    n = 4;
  } else if (lead >= 0xE0) {
    n = 3;
  } else if (lead >= 0xC0) {
    n = 2;
  }
  return std::min(n, text.size() - i);
}

}  // namespace

std::u16string ToUtf16Lossy(std::string_view text, CodePage from) {
  std::u16string whole = ToUtf16(text, from);
  if (!whole.empty() || text.empty()) return whole;
  // Character by character: only the ones that fail become "?".
  for (size_t i = 0; i < text.size();) {
    const size_t n = CharacterLength(text, i, from);
    const std::u16string one = ToUtf16(text.substr(i, n), from);
    if (one.empty()) {
      whole += u'?';
      i += 1;
    } else {
      whole += one;
      i += n;
    }
  }
  return whole;
}

std::string FromUtf16Lossy(std::u16string_view text, CodePage to) {
  std::string whole = FromUtf16(text, to);
  if (!whole.empty() || text.empty()) return whole;
  for (size_t i = 0; i < text.size();) {
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    const size_t n = pair ? 2 : 1;
    const std::string one = FromUtf16(text.substr(i, n), to);
    whole += one.empty() ? std::string("?") : one;
    i += n;
  }
  return whole;
}

}  // namespace yz
