// SPDX-License-Identifier: MIT
#include "generator/fill_group.h"

#include "generator/crew_skills.h"
#include "generator/rule_tables.h"
#include "tables/table_layout.h"
#include "tables/table_search.h"

namespace {

// Writes the slot weight classes of the row for `groupWeight` and `die`, if one matches.
template <class Row, std::size_t N>
void compose(apvector<Mech>& roster, const Row (&rows)[N], const apstring& groupWeight, int die,
             int first) {
  for (const Row& row : rows) {
    if (groupWeight == apstring(row.group) && row.low <= die && die <= row.high) {
      int k = 0;
      for (const char* slotWeight : row.slotWeights) roster[first + k++].weightClass = slotWeight;
      return;
    }
  }
}

// Names slot `slot` after a design of the faction or, with vehicles allowed and a vehicle
// roll of 1 to 4, after a vehicle of the slot's weight class; records which of the two.
void pickDesign(ForceRun& run, int slot) {
  Force& force = run.force;
  std::streamoff start = force.houseStart;
  const char* section = "the faction's section";
  SlotKind kind = SlotKind::mech;
  if (force.withVehicles && run.dice.roll(5) + 1 != 5) {
    start = vehicleStart;
    section = "the vehicle section";
    kind = SlotKind::vehicle;
  }
  TableReader reader = run.reader();
  const apstring slotWeight = force.roster[slot].weightClass;
  findHeading(reader, start, slotWeight, section);
  const int first = run.dice.roll(6);
  const int second = run.dice.roll(6);
  pickEntry(reader, first + second + 1, slotWeight);
  force.roster[slot].name = run.tableLine;
  force.roster[slot].kind = kind;
}

}  // namespace

void FillGroup(ForceRun& run, apstring groupWeight, int firstSlot) {
  Force& force = run.force;
  const int first = firstSlot - 1;
  const int die = run.dice.d6();
  if (force.isClan) {
    compose(force.roster, kStars, groupWeight, die, first);
  } else {
    compose(force.roster, kLances, groupWeight, die, first);
  }
  for (int k = 0; k < force.groupSize(); ++k) {
    const int slot = first + k;
    if (groupWeight == apstring("Elemental")) {
      force.roster[slot].name = "Elemental";
      force.roster[slot].kind = SlotKind::battleArmour;
    } else if (groupWeight == apstring("Battle Armor")) {
      force.roster[slot].name = "Battle Suit";
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
