#include "generator/formation.h"

#include "generator/dice.h"
#include "generator/fill_group.h"
#include "generator/generate.h"
#include "generator/rule_tables.h"

namespace {

struct TwoGroupRow {
  int low, high;
  const char* first;
  const char* second;
};

struct BlockRow {
  int low, high;
  const char* first;
  const char* second;
  const char* third;
};

// clang-format off
// 2d6, House and Clan alike.
constexpr TwoGroupRow kTwoGroups[] = {
  { 2,  4, "Light",   "Light"  },
  { 5,  6, "Medium",  "Medium" },
  { 7,  7, "Light",   "Medium" },
  { 8,  8, "Medium",  "Heavy"  },
  { 9,  9, "Heavy",   "Assault"},
  {10, 11, "Heavy",   "Heavy"  },
  {12, 12, "Assault", "Assault"},
};

// d6, a House company of three lances.
constexpr BlockRow kThreeLances[] = {
  {1, 1, "Light",  "Medium", "Medium" },
  {2, 2, "Light",  "Medium", "Heavy"  },
  {3, 3, "Medium", "Medium", "Heavy"  },
  {4, 4, "Light",  "Heavy",  "Heavy"  },
  {5, 5, "Heavy",  "Heavy",  "Heavy"  },
  {6, 6, "Heavy",  "Heavy",  "Assault"},
};

// 2d6, a Clan trinary of three stars.
constexpr BlockRow kThreeStars[] = {
  { 2,  4, "Light",  "Light",  "Light"  },
  { 5,  6, "Light",  "Medium", "Heavy"  },
  { 7,  7, "Light",  "Light",  "Heavy"  },
  { 8,  8, "Light",  "Heavy",  "Assault"},
  { 9,  9, "Heavy",  "Heavy",  "Assault"},
  {10, 11, "Medium", "Heavy",  "Assault"},
  {12, 12, "Heavy",  "Heavy",  "Heavy"  },
};
// clang-format on

}  // namespace

void formUnit(int groupCount) {
  const int slotsPerGroup = groupSize();
  if (groupCount == 1) {
    FillGroup(weight, 1);
    return;
  }
  if (groupCount == 2) {
    const TwoGroupRow& row = rowFor(kTwoGroups, twoD6());
    FillGroup(row.first, 1);
    FillGroup(row.second, 1 + slotsPerGroup);
    return;
  }
  for (int block = 1; block <= groupCount * slotsPerGroup; block += 3 * slotsPerGroup) {
    const BlockRow& row = isClan ? rowFor(kThreeStars, twoD6()) : rowFor(kThreeLances, d6());
    FillGroup(row.first, block);
    FillGroup(row.second, block + slotsPerGroup);
    FillGroup(row.third, block + 2 * slotsPerGroup);
  }
}
