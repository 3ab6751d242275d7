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

void formUnit(ForceRun& run, int groupCount) {
  Force& force = run.force;
  force.groupWeights.clear();
  const UnitFormation formation = formationFor(groupCount, force.isClan);
  if (!formation.table) {
    fill(run, force.weight.c_str(), 1);
    return;
  }
  int firstSlot = 1;
  for (int roll = 0; roll < formation.rolls; ++roll) {
    for (const char* groupWeight : groupsOf(rollOn(*formation.table, run.dice))) {
      fill(run, groupWeight, firstSlot);
      firstSlot += force.groupSize();
    }
  }
}
