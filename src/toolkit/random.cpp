#include "toolkit/random.h"

namespace yz {
namespace {

thread_local std::uint32_t state = 1;

}  // namespace

void SeedRandom(std::int32_t seed) { state = static_cast<std::uint32_t>(seed); }

std::int64_t Random(std::int64_t min, std::int64_t max) {
  state = state * 214013u + 2531011u;
  const std::int64_t raw = (state >> 16) & 0x7FFF;
  if (max < min) return min;
  return min + raw % (max - min + 1);
}

}  // namespace yz
