// Finding a byte pattern in a large buffer. With SSE2 sixteen places are
// tried at once by comparing the pattern's first and last bytes, so only
// places where both agree are compared in full; that stays fast in Chinese
// text, where the lead bytes of characters repeat every few bytes.
#pragma once

#include <string>
#include <string_view>

namespace yz {

class BytePattern {
 public:
  explicit BytePattern(std::string_view pattern) : pattern_(pattern) {}

  // Index of the first occurrence at or after from, or npos.
  size_t FindIn(std::string_view haystack, size_t from = 0) const;
  std::string_view pattern() const { return pattern_; }

 private:
  std::string pattern_;
};

}  // namespace yz
