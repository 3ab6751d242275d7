// SPDX-License-Identifier: MIT
#include "generator/formation.h"

#include "generator/fill_group.h"
#include "generator/rule_tables.h"

namespace {

void fill(ForceRun& run, const char* groupWeight, int firstSlot) {
  run.force.groupWeights.emplace_back(groupWeight);
  FillGroup(run, groupWeight, firstSlot);
}

}  // namespace

int blockCount(int groupCount) {
  return (groupCount + 2) / 3;
}

void formUnit(ForceRun& run, int groupCount) {
  Force& force = run.force;
  const int slotsPerGroup = force.groupSize();
  force.groupWeights.clear();
  if (groupCount == 1) {
    fill(run, force.weight.c_str(), 1);
    return;
  }
  if (groupCount == 2) {
    const TwoGroupRow& row = rowFor(kTwoGroups, run.dice.twoD6());
    fill(run, row.first, 1);
    fill(run, row.second, 1 + slotsPerGroup);
    return;
  }
  for (int n = 0; n < blockCount(groupCount); ++n) {
    const int block = 1 + n * 3 * slotsPerGroup;
    const BlockRow& row =
        force.isClan ? rowFor(kThreeStars, run.dice.twoD6()) : rowFor(kThreeLances, run.dice.d6());
    fill(run, row.first, block);
    fill(run, row.second, block + slotsPerGroup);
    fill(run, row.third, block + 2 * slotsPerGroup);
  }
}
