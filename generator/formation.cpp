#include "generator/formation.h"

#include "generator/dice.h"
#include "generator/fill_group.h"
#include "generator/generate.h"
#include "generator/rule_tables.h"

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
