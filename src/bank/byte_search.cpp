#include "bank/byte_search.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace yz {

size_t BytePattern::FindIn(std::string_view haystack, size_t from) const {
  const size_t m = pattern_.size();
  const size_t n = haystack.size();
  if (from > n || n - from < m) return std::string_view::npos;
  if (m == 0) return from;
  const char* base = haystack.data();
  if (m == 1) {
    const void* hit = std::memchr(base + from, pattern_[0], n - from);
    return hit ? static_cast<const char*>(hit) - base : std::string_view::npos;
  }
  size_t i = from;
  const size_t lastStart = n - m;  // the last place a match can start
#if defined(__SSE2__)
  const __m128i first = _mm_set1_epi8(pattern_[0]);
  const __m128i last = _mm_set1_epi8(pattern_[m - 1]);
  for (; i + 15 <= lastStart; i += 16) {
    const __m128i startBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + i));
    const __m128i endBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + i + m - 1));
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(first, startBytes), _mm_cmpeq_epi8(last, endBytes))));
    while (mask) {
      const unsigned bit = static_cast<unsigned>(__builtin_ctz(mask));
      if (std::memcmp(base + i + bit + 1, pattern_.data() + 1, m - 2) == 0) return i + bit;
      mask &= mask - 1;
    }
  }
#endif
  for (; i <= lastStart; ++i) {
    if (base[i] == pattern_[0] && base[i + m - 1] == pattern_[m - 1] &&
        std::memcmp(base + i + 1, pattern_.data() + 1, m - 2) == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

}  // namespace yz
