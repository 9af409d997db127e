// The tool's pseudo-random generator: a 32-bit linear congruential state per
// thread, so a thread that seeds it is the only one drawing from it.
#pragma once

#include <cstdint>

namespace yz {

void SeedRandom(std::int32_t seed);

// min + raw mod (max - min + 1), raw being the next 15-bit draw. A range with
// max < min gives min (and still draws).
std::int64_t Random(std::int64_t min, std::int64_t max);

}  // namespace yz
