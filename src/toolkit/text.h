// Text primitives. A text is a GBK byte string: lengths count bytes, positions
// are 1-based, and a byte >= 0x80 starts a double-byte character, which finding
// and splitting step over as a whole so that a match starts on a character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace yz {

// Signed value of byte n (1-based); 0 past either end.
int CharCode(std::string_view text, long n = 1);

// n bytes from pos, clipped at the end; empty when pos is outside the text or n <= 0.
std::string Mid(std::string_view text, long pos, long n);
// The first n bytes; empty when n <= 0.
std::string Left(std::string_view text, long n);

// Position of sought in text, scanning from max(start, 1), or -1. Empty sought
// text gives 1 while anything is left to scan. ignoreCase folds ASCII letters
// outside double-byte characters; other bytes compare exactly.
long Find(std::string_view text, std::string_view sought, long start = 1,
          bool ignoreCase = false);

// Pieces between delimiters, found as Find finds them. An empty piece between
// or before delimiters counts; a trailing delimiter adds none; an empty text
// gives no pieces; an empty delimiter gives the whole text as one piece.
std::vector<std::string> Split(std::string_view text, std::string_view delimiter);

// Split without copies: calls piece(std::string_view) for each piece in order.
template <typename F>
void ForEachPiece(std::string_view text, std::string_view delimiter, F&& piece);

// The longest start of text of at most limit bytes that does not end inside
// a double-byte character.
std::string_view CutOnCharacter(std::string_view text, size_t limit);

// Bytes taken as text: up to the first zero byte.
std::string TextFromBytes(std::string_view bytes);

// a-z to A-Z, outside double-byte characters.
std::string UpperCase(std::string_view text);

// Full-width forms to single bytes: A3A1-A3FE to 0x21-0x7E, the ideographic
// space A1A1 to a space, A1AB to "~", A1EE and A1EF to "*".
std::string HalfWidth(std::string_view text);
// The same, appended to out.
void AppendHalfWidth(std::string& out, std::string_view text);

// True when the byte starts a double-byte character.
inline bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

template <typename F>
void ForEachPiece(std::string_view text, std::string_view delimiter, F&& piece) {
  if (delimiter.size() != 1) {
    size_t pos = 0;
    while (pos < text.size()) {
      const long found = delimiter.empty() ? -1 : Find(text, delimiter, static_cast<long>(pos + 1));
      if (found < 0) {
        piece(text.substr(pos));
        return;
      }
      piece(text.substr(pos, static_cast<size_t>(found - 1) - pos));
      pos = static_cast<size_t>(found - 1) + delimiter.size();
    }
    return;
  }
  // One delimiter byte: a walk that steps over double-byte characters.
  const char d = delimiter[0];
  size_t begin = 0, i = 0;
  while (i < text.size()) {
    if (IsLeadByte(text[i])) {
      i += 2;
    } else if (text[i] == d) {
      piece(text.substr(begin, i - begin));
      begin = ++i;
    } else {
      ++i;
    }
  }
  if (begin < text.size()) piece(text.substr(begin));
}

}  // namespace yz
