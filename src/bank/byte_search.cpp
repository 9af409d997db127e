#include "bank/byte_search.h"

#include <algorithm>
#include <cstring>

namespace yz {

BytePattern::BytePattern(std::string_view pattern) : pattern_(pattern) {
  const size_t m = pattern_.size();
  if (m < 2) return;
  const auto* p = reinterpret_cast<const unsigned char*>(pattern_.data());
  auto distance = [m](size_t j) { return static_cast<std::uint8_t>(std::min<size_t>(m - 1 - j, 255)); };
  skip_.fill(distance(0));
  for (size_t j = 1; j + 1 < m; ++j) skip_[Hash(p + j)] = distance(j);
  const size_t last = Hash(p + m - 1);
  skipAfterMiss_ = skip_[last];
  skip_[last] = 0;
}

size_t BytePattern::FindIn(std::string_view haystack, size_t from) const {
  const size_t m = pattern_.size();
  const size_t n = haystack.size();
  if (from > n || n - from < m) return std::string_view::npos;
  if (m == 0) return from;
  const auto* base = reinterpret_cast<const unsigned char*>(haystack.data());
  if (m == 1) {
    const void* hit = std::memchr(base + from, pattern_[0], n - from);
    return hit ? static_cast<const unsigned char*>(hit) - base : std::string_view::npos;
  }
  const unsigned char* last = base + n - 1;
  for (const unsigned char* end = base + from + m - 1; end <= last;) {
    const size_t skip = skip_[Hash(end)];
    if (skip) {
      end += skip;
      continue;
    }
    const unsigned char* start = end - (m - 1);
    if (std::memcmp(start, pattern_.data(), m) == 0) return start - base;
    end += skipAfterMiss_;
  }
  return std::string_view::npos;
}

}  // namespace yz
