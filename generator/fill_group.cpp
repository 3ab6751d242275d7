// SPDX-License-Identifier: MIT
#include "generator/fill_group.h"

#include "generator/crew_skills.h"
#include "generator/rule_tables.h"
#include "tables/table_layout.h"
#include "tables/table_search.h"

namespace {

// Names slot `slot` after a design of the faction or, with vehicles allowed and a vehicle
// roll that gives a vehicle, after a vehicle of the slot's weight class; records which of the
// two.
void pickDesign(ForceRun& run, int slot) {
  Force& force = run.force;
  std::streamoff start = force.houseStart;
  const char* section = "the faction's section";
  SlotKind kind = SlotKind::mech;
  if (force.withVehicles && rowFor(kVehicleRolls, run.dice.roll(5) + 1).vehicle) {
    start = vehicleStart;
    section = "the vehicle section";
    kind = SlotKind::vehicle;
  }
  TableReader reader = run.reader();
  const apstring slotWeight = force.roster[slot].weightClass;
  findHeading(reader, start, slotWeight, section);
  const int first = run.dice.roll(6);
  const int second = run.dice.roll(6);
  pickEntry(reader, entryPicked(first, second), slotWeight);
  force.roster[slot].name = run.tableLine;
  force.roster[slot].kind = kind;
}

}  // namespace

void FillGroup(ForceRun& run, apstring groupWeight, int firstSlot) {
  Force& force = run.force;
  const int first = firstSlot - 1;
  const int die = run.dice.d6();
  int composed = first;
  for (const char* slotWeight : compositionFor(force.isClan, groupWeight.c_str(), die))
    force.roster[composed++].weightClass = slotWeight;
  const char* armourName = battleArmourName(groupWeight.c_str());
  for (int k = 0; k < force.groupSize(); ++k) {
    const int slot = first + k;
    if (armourName) {
      force.roster[slot].name = armourName;
      force.roster[slot].kind = SlotKind::battleArmour;
    } else {
      pickDesign(run, slot);
    }
    rollCrewSkills(run, slot);
  }
}

void FillSlot(ForceRun& run, int slot) {
  if (run.force.roster[slot].kind != SlotKind::battleArmour) pickDesign(run, slot);
  rollCrewSkills(run, slot);
}
