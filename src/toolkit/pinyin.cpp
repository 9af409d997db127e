#include "toolkit/pinyin.h"

#include <array>

namespace yz {
namespace {

constexpr int kLeadFirst = 0xB0, kLeadLast = 0xF7;
constexpr int kTrailFirst = 0xA1, kTrailLast = 0xFE;
constexpr int kTrails = kTrailLast - kTrailFirst + 1;
constexpr int kPositions = (kLeadLast - kLeadFirst + 1) * kTrails;

constexpr std::string_view kReadings[] = {
#include "toolkit/pinyin_table.inc"
};
static_assert(std::size(kReadings) == kPositions);

constexpr std::array<char, kPositions> kInitials = [] {
  std::array<char, kPositions> initials{};
  for (int i = 0; i < kPositions; ++i) initials[i] = kReadings[i].empty() ? 0 : kReadings[i][0];
  return initials;
}();

int PositionOf(unsigned char lead, unsigned char trail) {
  if (lead < kLeadFirst || lead > kLeadLast || trail < kTrailFirst || trail > kTrailLast) return -1;
  return (lead - kLeadFirst) * kTrails + (trail - kTrailFirst);
}

}  // namespace

std::string Pinyin(std::string_view character, int n) {
  if (character.size() < 2 || n < 1) return {};
  const int at = PositionOf(static_cast<unsigned char>(character[0]),
                            static_cast<unsigned char>(character[1]));
  if (at < 0) return {};
  std::string_view readings = kReadings[at];
  for (; n > 1; --n) {
    const size_t space = readings.find(' ');
    if (space == std::string_view::npos) return {};
    readings.remove_prefix(space + 1);
  }
  return std::string(readings.substr(0, readings.find(' ')));
}

char PinyinInitial(unsigned char lead, unsigned char trail) {
  const int at = PositionOf(lead, trail);
  return at < 0 ? 0 : kInitials[at];
}

}  // namespace yz
