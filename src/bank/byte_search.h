// Finding a byte pattern in a large buffer: Horspool's method over pairs of
// bytes, which skips ahead well even through Chinese text, where the lead
// bytes of characters repeat and a search for one byte stops every few bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace yz {

class BytePattern {
 public:
  explicit BytePattern(std::string_view pattern);

  // Index of the first occurrence at or after from, or npos.
  size_t FindIn(std::string_view haystack, size_t from = 0) const;
  std::string_view pattern() const { return pattern_; }

 private:
  // The pair of bytes that ends at p.
  static size_t Hash(const unsigned char* p) { return (p[0] - (p[-1] << 3)) & 0xFF; }

  std::string pattern_;
  // How far the window's end may move when it ends in a pair of that hash:
  // to where the pattern's rightmost such pair lies, 0 for its final pair.
  std::array<std::uint8_t, 256> skip_{};
  std::uint8_t skipAfterMiss_ = 1;
};

}  // namespace yz
