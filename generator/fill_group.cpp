#include "generator/fill_group.h"

#include "generator/crew_skills.h"
#include "generator/dice.h"
#include "generator/generate.h"
#include "generator/rule_tables.h"
#include "tables/table_layout.h"
#include "tables/table_search.h"

namespace {

struct LanceRow {
  const char* group;
  int low, high;
  const char* slots[4];
};

struct StarRow {
  const char* group;
  int low, high;
  const char* slots[5];
};

// clang-format off
constexpr LanceRow kLances[] = {
  {"Light",   1, 1, {"Light",   "Light",   "Light",   "Light"  }},
  {"Light",   2, 3, {"Light",   "Light",   "Light",   "Medium" }},
  {"Light",   4, 5, {"Light",   "Light",   "Medium",  "Medium" }},
  {"Light",   6, 6, {"Light",   "Light",   "Medium",  "Heavy"  }},
  {"Medium",  1, 1, {"Light",   "Medium",  "Medium",  "Heavy"  }},
  {"Medium",  2, 3, {"Medium",  "Medium",  "Medium",  "Medium" }},
  {"Medium",  4, 5, {"Medium",  "Medium",  "Medium",  "Heavy"  }},
  {"Medium",  6, 6, {"Medium",  "Medium",  "Heavy",   "Heavy"  }},
  {"Heavy",   1, 1, {"Medium",  "Heavy",   "Heavy",   "Heavy"  }},
  {"Heavy",   2, 3, {"Heavy",   "Heavy",   "Heavy",   "Heavy"  }},
  {"Heavy",   4, 5, {"Medium",  "Heavy",   "Heavy",   "Assault"}},
  {"Heavy",   6, 6, {"Heavy",   "Heavy",   "Heavy",   "Assault"}},
  {"Assault", 1, 1, {"Heavy",   "Heavy",   "Assault", "Assault"}},
  {"Assault", 2, 3, {"Heavy",   "Heavy",   "Assault", "Assault"}},
  {"Assault", 4, 5, {"Heavy",   "Assault", "Assault", "Assault"}},
  {"Assault", 6, 6, {"Assault", "Assault", "Assault", "Assault"}},
};

constexpr StarRow kStars[] = {
  {"Light",   1, 1, {"Light",  "Light",  "Light",   "Light",   "Light"  }},
  {"Light",   2, 3, {"Light",  "Light",  "Light",   "Light",   "Medium" }},
  {"Light",   4, 5, {"Light",  "Light",  "Light",   "Medium",  "Medium" }},
  {"Light",   6, 6, {"Light",  "Light",  "Medium",  "Medium",  "Heavy"  }},
  {"Medium",  1, 1, {"Light",  "Medium", "Medium",  "Medium",  "Medium" }},
  {"Medium",  2, 3, {"Medium", "Medium", "Medium",  "Medium",  "Medium" }},
  {"Medium",  4, 5, {"Medium", "Medium", "Medium",  "Medium",  "Heavy"  }},
  {"Medium",  6, 6, {"Medium", "Medium", "Medium",  "Heavy",   "Heavy"  }},
  {"Heavy",   1, 1, {"Medium", "Medium", "Heavy",   "Heavy",   "Heavy"  }},
  {"Heavy",   2, 3, {"Medium", "Heavy",  "Heavy",   "Heavy",   "Heavy"  }},
  {"Heavy",   4, 5, {"Heavy",  "Heavy",  "Heavy",   "Heavy",   "Heavy"  }},
  {"Heavy",   6, 6, {"Medium", "Heavy",  "Heavy",   "Heavy",   "Assault"}},
  {"Assault", 1, 1, {"Medium", "Heavy",  "Heavy",   "Assault", "Assault"}},
  {"Assault", 2, 3, {"Heavy",  "Heavy",  "Assault", "Assault", "Assault"}},
  {"Assault", 4, 5, {"Heavy",  "Heavy",  "Heavy",   "Assault", "Assault"}},
  {"Assault", 6, 6, {"Heavy",  "Heavy",  "Assault", "Assault", "Assault"}},
};
// clang-format on

// Writes the slot weight classes of the row for `groupWeight` and `die`, if one matches.
template <class Row, std::size_t N>
void compose(const Row (&rows)[N], const apstring& groupWeight, int die, int first) {
  for (const Row& row : rows) {
    if (groupWeight == apstring(row.group) && row.low <= die && die <= row.high) {
      int k = 0;
      for (const char* slotWeight : row.slots) roster[first + k++].weightClass = slotWeight;
      return;
    }
  }
}

// Names slot `slot` after a design of the faction or, with vehicles allowed and a vehicle
// roll of 1 to 4, after a vehicle of the slot's weight class.
void pickDesign(int slot) {
  std::streamoff start = houseStart;
  const char* section = "the faction's section";
  if (withVehicles && roll(5) + 1 != 5) {
    start = vehicleStart;
    section = "the vehicle section";
  }
  const std::string fileName = tableFileName().string();
  TableReader reader{tableFile, tableLine, fileName};
  const apstring slotWeight = roster[slot].weightClass;
  findHeading(reader, start, slotWeight, section);
  const int first = roll(6);
  const int second = roll(6);
  pickEntry(reader, first + second + 1, slotWeight);
  roster[slot].name = tableLine;
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
    } else if (groupWeight == apstring("Battle Armor")) {
      roster[slot].name = "Battle Suit";
    } else {
      pickDesign(slot);
    }
    rollCrewSkills(slot);
  }
}
