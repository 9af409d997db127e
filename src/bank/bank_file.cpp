#include "bank/bank_file.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "toolkit/random.h"
#include "toolkit/text.h"

namespace yz {
namespace {

std::string ReplaceQuoteMarker(std::string_view marker) {
  std::string out;
  for (size_t at = 0;;) {
    const long found = Find(marker, kQuoteMarker, static_cast<long>(at + 1));
    if (found < 0) return out.append(marker.substr(at));
    out.append(marker.substr(at, found - 1 - at)).append("\"");
    at = found - 1 + kQuoteMarker.size();
  }
}

// d - 1 for each byte after upper-casing: the digit's value, or -2.
constexpr std::array<std::int8_t, 256> kDigitValue = [] {
  std::array<std::int8_t, 256> values{};
  for (int b = 0; b < 256; ++b) {
    values[b] = (b >= '0' && b <= '9') ? b - '0'
                : (b >= 'A' && b <= 'F') ? b - 'A' + 10
                : (b >= 'a' && b <= 'f') ? b - 'a' + 10
                                         : -2;
  }
  return values;
}();

int KeySeed(std::string_view key) {
  int seed = 0;
  for (char c : key) seed += static_cast<signed char>(c);
  return seed;
}

}  // namespace

std::string TextBetween(std::string_view text, std::string_view startMarker,
                        std::string_view endMarker, long start, bool ignoreCase) {
  const std::string from = ReplaceQuoteMarker(startMarker);
  const std::string to = ReplaceQuoteMarker(endMarker);
  long pos = Find(text, from, start, ignoreCase);
  const bool startFound = pos >= 0;
  if (startFound) pos += static_cast<long>(from.size());
  const long end = Find(text, to, startFound ? pos : 1, ignoreCase);
  if (!startFound || end < 0) return {};
  return Mid(text, pos, end - pos);
}

std::int64_t ParseHexItem(std::string_view item) {
  constexpr double kRange = 9223372036854775808.0;  // 2^63
  std::int64_t value = 0;
  bool trail = false;  // whether this byte is the second of a double-byte character
  for (char c : item) {
    const auto byte = static_cast<unsigned char>(c);
    // Upper-casing leaves a trail byte alone, so a lower-case trail letter is
    // no digit, while an upper-case one is.
    const int digit = (trail && byte >= 'a' && byte <= 'f') ? -2 : kDigitValue[byte];
    trail = !trail && byte >= 0x80;
    // Exact in 64-bit integers while |value| < 2^48; beyond that the rounding
    // of double precision decides, and a result out of range becomes the
    // smallest value, as the x86 conversion gives.
    if (value > -(std::int64_t{1} << 48) && value < (std::int64_t{1} << 48)) {
      value = value * 16 + digit;
    } else {
      const double next = std::trunc(static_cast<double>(value) * 16 + digit);
      value = (next >= -kRange && next < kRange) ? static_cast<std::int64_t>(next) : INT64_MIN;
    }
  }
  return value;
}

std::string UnscrambleBank(std::string_view payload, std::string_view key) {
  const int seed = KeySeed(key);
  SeedRandom(seed);
  std::string out;
  out.reserve(payload.size() / 3 + 1);
  std::int64_t i = 0;
  ForEachPiece(payload, ",", [&](std::string_view item) {
    ++i;
    const std::int64_t v = ParseHexItem(item) & 0xFF;
    const std::int64_t t = key.empty() ? 0 : static_cast<signed char>(key[i % key.size()]);
    const std::int64_t r = Random(1, 10000);
    out += static_cast<char>(static_cast<std::uint64_t>(v - (t + seed + r + i)) & 0xFF);
  });
  return out;
}

std::string ScrambleBank(std::string_view plain, std::string_view key) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const int seed = KeySeed(key);
  SeedRandom(seed);
  std::string out;
  out.reserve(plain.size() * 3);
  for (size_t k = 0; k < plain.size(); ++k) {
    const std::int64_t i = static_cast<std::int64_t>(k) + 1;
    const std::int64_t t = key.empty() ? 0 : static_cast<signed char>(key[i % key.size()]);
    const std::int64_t r = Random(1, 10000);
    const auto v = static_cast<std::uint64_t>(static_cast<unsigned char>(plain[k]) + t + seed + r + i) & 0xFF;
    if (k) out += ',';
    out += kHex[v >> 4];
    out += kHex[v & 15];
  }
  return out;
}

std::string DecodeBankFile(std::string_view fileBytes) {
  const std::string text = TextFromBytes(fileBytes);
  return TextFromBytes(UnscrambleBank(TextBetween(text, kPayloadMarker, kFieldEnd), kBankKey));
}

std::string BankFileVersion(std::string_view fileBytes) {
  return TextBetween(TextFromBytes(fileBytes), kVersionMarker, kFieldEnd);
}

std::string EncodeBankFile(std::string_view plain, std::string_view version) {
  std::string file;
  file.append(kVersionMarker).append(version).append(kFieldEnd).append("\r\n");
  file.append(kPayloadMarker).append(ScrambleBank(plain, kBankKey)).append(kFieldEnd).append("\r\n");
  return file;
}

}  // namespace yz
