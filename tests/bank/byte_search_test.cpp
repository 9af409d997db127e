#include "bank/byte_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace yz {
namespace {

// BytePattern agrees with std::string_view::find on haystacks drawn from a
// small alphabet (so that near-misses are common), for every start offset.
TEST(BytePatternTest, AgreesWithPlainFind) {
  std::mt19937 random(2026);
  const std::string alphabet = "ab\xB0\xA1#";
  auto draw = [&](size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += alphabet[random() % alphabet.size()];
    return s;
  };
  for (size_t m : {0, 1, 2, 3, 4, 7, 255, 256, 257, 300}) {
    for (int round = 0; round < 40; ++round) {
      const std::string haystack = draw(m > 8 ? 2000 : 300);
      // Half of the patterns are taken from the haystack, so they occur.
      std::string pattern = draw(m);
      if (round % 2 && m <= haystack.size()) pattern = haystack.substr(random() % (haystack.size() - m + 1), m);
      const BytePattern compiled(pattern);
      for (size_t from = 0; from <= haystack.size(); from += 37) {
        ASSERT_EQ(compiled.FindIn(haystack, from), std::string_view(haystack).find(pattern, from))
            << "m=" << m << " from=" << from;
      }
    }
  }
  EXPECT_EQ(BytePattern("ab").FindIn("ab", 3), std::string_view::npos);
}

}  // namespace
}  // namespace yz
