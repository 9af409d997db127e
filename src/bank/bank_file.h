// The question-bank file "库\tk.txt": a "版本：" field and a scrambled "tk："
// payload, each ended by "#". The payload is one hexadecimal item per byte,
// comma separated; unscrambled it is GBK text whose "#" separates the entries.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace yz {

// The bank's texts, in GBK. They are spelled as bytes because the clang-built
// fuzzers cannot compile literals to GBK.
inline constexpr std::string_view kPayloadMarker = "tk\xA3\xBA";            // tk：
inline constexpr std::string_view kVersionMarker = "\xB0\xE6\xB1\xBE\xA3\xBA";  // 版本：
inline constexpr std::string_view kFieldEnd = "#";
inline constexpr std::string_view kEntrySeparator = "#";
inline constexpr std::string_view kBankKey = "\xCB\xAA\xC7\xC5\xCD\xED\xB6\xC9";  // 霜桥晚渡
inline constexpr std::string_view kQuoteMarker = "#\xD2\xFD\xBA\xC5";        // #引号

// The text between the first start marker (from start, 1-based) and the next
// end marker; empty when either is missing. "#引号" in a marker stands for a
// double quote.
std::string TextBetween(std::string_view text, std::string_view startMarker,
                        std::string_view endMarker, long start = 1, bool ignoreCase = false);

// value = trunc(value * 16 + d - 1) over the item's bytes in double precision,
// d being a byte's 1-based place in "0123456789ABCDEF" after upper-casing, or
// -1. Callers keep the low 8 bits.
std::int64_t ParseHexItem(std::string_view item);

// The payload's items unscrambled with the key and the per-thread generator.
std::string UnscrambleBank(std::string_view payload, std::string_view key);
// The inverse: a payload that UnscrambleBank turns back into plain. Two
// upper-case hex digits per byte, comma separated.
std::string ScrambleBank(std::string_view plain, std::string_view key);

// Plain bank text (up to its first zero byte) from the whole file's bytes.
std::string DecodeBankFile(std::string_view fileBytes);
// The "版本：" field of the file.
std::string BankFileVersion(std::string_view fileBytes);
// A whole bank file holding the version and the plain text.
std::string EncodeBankFile(std::string_view plain, std::string_view version);

}  // namespace yz
