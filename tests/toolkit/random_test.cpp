#include "toolkit/random.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace yz {
namespace {

std::vector<std::int64_t> Draws(std::int64_t min, std::int64_t max, int n) {
  std::vector<std::int64_t> out;
  for (int i = 0; i < n; ++i) out.push_back(Random(min, max));
  return out;
}

TEST(RandomTest, FirstDrawsOfKnownSeeds) {
  // The raw 15-bit draws after seed 1 are the well-known 41, 18467, 6334, ...
  SeedRandom(1);
  EXPECT_EQ(Draws(0, 32767, 5), (std::vector<std::int64_t>{41, 18467, 6334, 26500, 19169}));
  SeedRandom(1);
  EXPECT_EQ(Draws(1, 10000, 5), (std::vector<std::int64_t>{42, 8468, 6335, 6501, 9170}));
  // A negative seed enters the state as its two's complement: 0xFFFFFFFF
  // steps to 2316998, whose bits 16-30 are 35.
  SeedRandom(-1);
  EXPECT_EQ(Random(0, 32767), 35);
}

TEST(RandomTest, RangeEdges) {
  SeedRandom(7);
  for (std::int64_t v : Draws(5, 5, 20)) EXPECT_EQ(v, 5);
  for (std::int64_t v : Draws(-3, 3, 200)) {
    EXPECT_GE(v, -3);
    EXPECT_LE(v, 3);
  }
  EXPECT_EQ(Random(9, 2), 9);
}

TEST(RandomTest, StateIsPerThread) {
  SeedRandom(1);
  EXPECT_EQ(Random(0, 32767), 41);
  std::thread([] {
    SeedRandom(12345);
    Draws(0, 32767, 100);
  }).join();
  EXPECT_EQ(Random(0, 32767), 18467);
}

}  // namespace
}  // namespace yz
