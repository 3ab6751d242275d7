// SPDX-License-Identifier: MIT
#include "generator/fill_group.h"

#include <array>
#include <vector>

#include "generator/crew_skills.h"
#include "generator/owned_draw.h"
#include "generator/rule_tables.h"
#include "tables/reachable_tables.h"
#include "tables/table_error.h"
#include "tables/table_layout.h"

namespace {

// Picks an entry of `entries`, the table the slot's search reached (`designIds` numbering its
// designs when the table was walked), among the entries whose design has a copy left, with one
// roll (owned_draw.h); the buffer then holds it, as a pick would leave it. False, the slot made
// open and the buffer holding the last entry as the reading of the whole table left it, when
// none has a copy left.
bool pickOwned(ForceRun& run, const std::vector<apstring>& entries,
               const std::vector<int>* designIds, int slot, SlotKind kind) {
  Force& force = run.force;
  Mech& record = force.roster[slot];
  if (!run.copiesLeft) run.copiesLeft.emplace(force, run.table.walk());
  CopiesLeft& copies = *run.copiesLeft;
  std::array<int, kTableEntries> designs{};
  std::array<int, kTableEntries> weights{};
  int total = 0;
  for (std::size_t k = 0; k < kTableEntries; ++k) {
    designs[k] = designIds ? (*designIds)[k] : copies.designId(entries[k].c_str());
    weights[k] = copies.left(designs[k]) > 0 ? kEntryChances[k] : 0;
    total += weights[k];
  }
  if (total == 0) {
    run.table.line = entries.back();
    record.name = "";
    record.kind = SlotKind::open;
    record.openVehicle = kind == SlotKind::vehicle;
    record.piloting = record.gunnery = '-';
    return false;
  }
  const int entry = ownedEntry(weights, run.dice.roll(total) + 1);
  run.table.line = entries[static_cast<std::size_t>(entry - 1)];
  copies.take(designs[static_cast<std::size_t>(entry - 1)]);
  return true;
}

// Draws slot `slot` from the table that a search for `word` from `start` reaches: the walked
// table when the search would find it, else the search's own reading.
bool drawOwned(ForceRun& run, std::size_t start, const apstring& word, const char* section,
               int slot, SlotKind kind) {
  if (const ReachedTable* table = run.table.reached(start, word, section)) {
    if (!table->error.empty()) throw TableError(table->error);
    return pickOwned(run, table->entries, &table->designIds, slot, kind);
  }
  run.table.findHeading(start, word, section);
  return pickOwned(run, run.table.readEntries(word), nullptr, slot, kind);
}

// Names slot `slot` after a design of the faction or, with vehicles allowed and a vehicle
// roll that gives a vehicle, after a vehicle of the slot's weight class; records which of the
// two. False when the slot stays open.
bool pickDesign(ForceRun& run, int slot) {
  Force& force = run.force;
  std::size_t start = force.houseStart;
  const char* section = kFactionSectionName;
  SlotKind kind = SlotKind::mech;
  if (force.withVehicles && rollOn(kVehicleRolls, run.dice).vehicle) {
    start = static_cast<std::size_t>(vehicleStart);
    section = kVehicleSectionName;
    kind = SlotKind::vehicle;
  }
  const apstring& slotWeight = force.roster[slot].weightClass;
  if (drawsFromOwned(force.collection, force.unique)) {
    if (!drawOwned(run, start, slotWeight, section, slot, kind)) return false;
  } else {
    run.table.findHeading(start, slotWeight, section);
    run.table.pickEntry(run.dice.roll(kEntryRoll), slotWeight);
  }
  force.roster[slot].name = run.table.line;
  force.roster[slot].kind = kind;
  return true;
}

}  // namespace

void FillGroup(ForceRun& run, apstring groupWeight, int firstSlot) {
  Force& force = run.force;
  const int first = firstSlot - 1;
  int composed = first;
  for (const char* slotWeight : rollComposition(force.isClan, groupWeight.c_str(), run.dice))
    force.roster[composed++].weightClass = slotWeight;
  for (int k = 0; k < force.groupSize(); ++k) force.roster[first + k].kind = SlotKind::open;
  const char* armourName = battleArmourName(groupWeight.c_str());
  for (int k = 0; k < force.groupSize(); ++k) {
    const int slot = first + k;
    if (armourName) {
      force.roster[slot].name = armourName;
      force.roster[slot].kind = SlotKind::battleArmour;
    } else if (!pickDesign(run, slot)) {
      continue;
    }
    rollCrewSkills(run, slot);
  }
}

void FillSlot(ForceRun& run, int slot) {
  Mech& record = run.force.roster[slot];
  if (record.kind != SlotKind::battleArmour) {
    record.kind = SlotKind::open;
    if (!pickDesign(run, slot)) return;
  }
  rollCrewSkills(run, slot);
}
