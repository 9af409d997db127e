// Code-page conversions for the portable tools and tests, through iconv.
#include <iconv.h>

#include <cerrno>

#include "toolkit/codepage.h"

namespace yz {
namespace {

const char* IconvName(CodePage page) { return page == CodePage::kGbk ? "CP936" : "UTF-8"; }

// Whole-input conversion; empty on any invalid or unconvertible sequence.
std::string Convert(const char* from, const char* to, const char* data, size_t size) {
  if (size == 0) return {};
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out(size * 4 + 16, '\0');
  char* in = const_cast<char*>(data);
  size_t inLeft = size;
  char* dst = out.data();
  size_t outLeft = out.size();
  const size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1) || rc > 0 || inLeft != 0) return {};
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::u16string ToUtf16(std::string_view text, CodePage from) {
  const std::string bytes = Convert(IconvName(from), "UTF-16LE", text.data(), text.size());
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return out;
}

std::string FromUtf16(std::u16string_view text, CodePage to) {
  std::string bytes(text.size() * 2, '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return Convert("UTF-16LE", IconvName(to), bytes.data(), bytes.size());
}

}  // namespace yz
