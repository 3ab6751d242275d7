#include "generator/fill_group.h"

#include "generator/crew_skills.h"
#include "generator/dice.h"
#include "generator/generate.h"
#include "generator/rule_tables.h"
#include "tables/table_layout.h"
#include "tables/table_search.h"

namespace {

// Writes the slot weight classes of the row for `groupWeight` and `die`, if one matches.
template <class Row, std::size_t N>
void compose(const Row (&rows)[N], const apstring& groupWeight, int die, int first) {
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
void pickDesign(int slot) {
  std::streamoff start = houseStart;
  const char* section = "the faction's section";
  SlotKind kind = SlotKind::mech;
  if (withVehicles && roll(5) + 1 != 5) {
    start = vehicleStart;
    section = "the vehicle section";
    kind = SlotKind::vehicle;
  }
  const std::string fileName = tableFileName().string();
  TableReader reader{tableFile, tableLine, fileName};
  const apstring slotWeight = roster[slot].weightClass;
  findHeading(reader, start, slotWeight, section);
  const int first = roll(6);
  const int second = roll(6);
  pickEntry(reader, first + second + 1, slotWeight);
  roster[slot].name = tableLine;
  roster[slot].kind = kind;
}

}  // namespace

void FillGroup(apstring groupWeight, int firstSlot) {
  const int first = firstSlot - 1;
  const int die = d6();
  if (isClan) {
    compose(kStars, groupWeight, die, first);
  } else {
    compose(kLances, groupWeight, die, first);
  }
  for (int k = 0; k < groupSize(); ++k) {
    const int slot = first + k;
    if (groupWeight == apstring("Elemental")) {
      roster[slot].name = "Elemental";
      roster[slot].kind = SlotKind::battleArmour;
    } else if (groupWeight == apstring("Battle Armor")) {
      roster[slot].name = "Battle Suit";
      roster[slot].kind = SlotKind::battleArmour;
    } else {
      pickDesign(slot);
    }
    rollCrewSkills(slot);
  }
}
