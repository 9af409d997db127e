#include "toolkit/text.h"

#include <cstring>

namespace yz {
namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether sought matches text at byte index i, folding ASCII letters that are
// not part of a double-byte character of sought.
bool MatchesFolded(std::string_view text, size_t i, std::string_view sought) {
  for (size_t k = 0; k < sought.size(); ++k) {
    char a = text[i + k], b = sought[k];
    if (IsLeadByte(b) && k + 1 < sought.size()) {
      if (a != b || text[i + k + 1] != sought[k + 1]) return false;
      ++k;
      continue;
    }
    if (AsciiUpper(a) != AsciiUpper(b)) return false;
  }
  return true;
}

}  // namespace

int CharCode(std::string_view text, long n) {
  if (n < 1 || static_cast<size_t>(n) > text.size()) return 0;
  return static_cast<signed char>(text[n - 1]);
}

std::string Mid(std::string_view text, long pos, long n) {
  if (pos < 1 || n <= 0 || static_cast<size_t>(pos) > text.size()) return {};
  return std::string(text.substr(pos - 1, static_cast<size_t>(n)));
}

std::string Left(std::string_view text, long n) {
  if (n <= 0) return {};
  return std::string(text.substr(0, static_cast<size_t>(n)));
}

long Find(std::string_view text, std::string_view sought, long start, bool ignoreCase) {
  size_t i = start < 1 ? 0 : static_cast<size_t>(start - 1);
  if (i >= text.size()) return -1;
  if (sought.empty()) return 1;
  if (sought.size() > text.size()) return -1;
  const size_t last = text.size() - sought.size();
  while (i <= last) {
    const bool match = ignoreCase
                           ? MatchesFolded(text, i, sought)
                           : std::memcmp(text.data() + i, sought.data(), sought.size()) == 0;
    if (match) return static_cast<long>(i + 1);
    i += IsLeadByte(text[i]) ? 2 : 1;
  }
  return -1;
}

std::vector<std::string> Split(std::string_view text, std::string_view delimiter) {
  std::vector<std::string> pieces;
  ForEachPiece(text, delimiter, [&](std::string_view piece) { pieces.emplace_back(piece); });
  return pieces;
}

std::string_view CutOnCharacter(std::string_view text, size_t limit) {
  size_t cut = 0;
  while (cut < text.size()) {
    const size_t next = cut + (IsLeadByte(text[cut]) ? 2 : 1);
    if (next > limit) break;
    cut = next;
  }
  return text.substr(0, cut);
}

std::string TextFromBytes(std::string_view bytes) {
  return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    if (IsLeadByte(out[i])) {
      ++i;
    } else {
      out[i] = AsciiUpper(out[i]);
    }
  }
  return out;
}

std::string HalfWidth(std::string_view text) {
  std::string out;
  AppendHalfWidth(out, text);
  return out;
}

void AppendHalfWidth(std::string& out, std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80 || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    ++i;
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail - 0x80);
    } else if (lead == 0xA1 && trail == 0xA1) {
      out += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      out += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out += '*';
    } else {
      out += static_cast<char>(lead);
      out += static_cast<char>(trail);
    }
  }
}

}  // namespace yz
