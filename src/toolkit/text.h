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

// Bytes taken as text: up to the first zero byte.
std::string TextFromBytes(std::string_view bytes);

// a-z to A-Z, outside double-byte characters.
std::string UpperCase(std::string_view text);

// Full-width forms to single bytes: A3A1-A3FE to 0x21-0x7E, the ideographic
// space A1A1 to a space, A1AB to "~", A1EE and A1EF to "*".
std::string HalfWidth(std::string_view text);

// True when the byte starts a double-byte character.
inline bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

}  // namespace yz
