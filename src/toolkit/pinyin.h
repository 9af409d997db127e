// Readings of the GB2312 ideographs (lead 0xB0-0xF7, trail 0xA1-0xFE).
#pragma once

#include <string>
#include <string_view>

namespace yz {

// The n-th reading (1-based) of the character at the start of text, lower case
// and toneless (ü is written v); empty when the character has no such reading.
std::string Pinyin(std::string_view character, int n = 1);

// The first letter of the first reading, or 0 when the character has none.
// The search builds its keys from this.
char PinyinInitial(unsigned char lead, unsigned char trail);

}  // namespace yz
