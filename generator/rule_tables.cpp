// SPDX-License-Identifier: MIT
#include "generator/rule_tables.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "tables/table_layout.h"

// clang-format off
const HouseRow kHouses[10] = {
  { 1,  1, kFactionHeadings[0], false },  // Kurita
  { 2,  2, kFactionHeadings[1], false },  // Liao
  { 3,  3, kFactionHeadings[2], false },  // Marik
  { 4,  4, kFactionHeadings[3], false },  // Davion
  { 5,  5, kFactionHeadings[4], false },  // Steiner
  { 6,  6, kFactionHeadings[5], false },  // ComStar
  { 7,  7, kFactionHeadings[6], true  },  // Jade Falcon
  { 8,  8, kFactionHeadings[7], true  },  // Wolf
  { 9,  9, kFactionHeadings[8], true  },  // Ghost Bear
  {10, 10, kFactionHeadings[9], true  },  // Smoke Jaguar
};

const SizeRow kHouseSizes[4] = {
  {1, 1, "Lance",      1},
  {2, 2, "Company",    3},
  {3, 3, "Batallion",  9},
  {4, 4, "Regement",  27},
};

const SizeRow kClanSizes[5] = {
  {1, 1, "Star",     1},
  {2, 2, "Binary",   2},
  {3, 3, "Trinary",  3},
  {4, 4, "Cluster", 12},
  {5, 5, "Galaxy",  48},
};

const WeightRow kWeights[5] = {
  { 2,  2, "Battle Armor", "Elemental"},
  { 3,  6, "Light",        "Light"    },
  { 7,  8, "Medium",       "Medium"   },
  { 9, 10, "Heavy",        "Heavy"    },
  {11, 12, "Assault",      "Assault"  },
};

const BattleArmourRow kBattleArmour[2] = {
  {"Battle Armor", "Battle Suit"},
  {"Elemental",    "Elemental"  },
};

const WordRow kExperiences[4] = {
  { 2,  5, "Green"  },
  { 6,  9, "Regular"},
  {10, 11, "Veteran"},
  {12, 12, "Elite"  },
};

const TwoGroupRow kTwoGroups[7] = {
  { 2,  4, "Light",   "Light"  },
  { 5,  6, "Medium",  "Medium" },
  { 7,  7, "Light",   "Medium" },
  { 8,  8, "Medium",  "Heavy"  },
  { 9,  9, "Heavy",   "Assault"},
  {10, 11, "Heavy",   "Heavy"  },
  {12, 12, "Assault", "Assault"},
};

const BlockRow kThreeLances[6] = {
  {1, 1, "Light",  "Medium", "Medium" },
  {2, 2, "Light",  "Medium", "Heavy"  },
  {3, 3, "Medium", "Medium", "Heavy"  },
  {4, 4, "Light",  "Heavy",  "Heavy"  },
  {5, 5, "Heavy",  "Heavy",  "Heavy"  },
  {6, 6, "Heavy",  "Heavy",  "Assault"},
};

const BlockRow kThreeStars[7] = {
  { 2,  4, "Light",  "Light",  "Light"  },
  { 5,  6, "Light",  "Medium", "Heavy"  },
  { 7,  7, "Light",  "Light",  "Heavy"  },
  { 8,  8, "Light",  "Heavy",  "Assault"},
  { 9,  9, "Heavy",  "Heavy",  "Assault"},
  {10, 11, "Medium", "Heavy",  "Assault"},
  {12, 12, "Heavy",  "Heavy",  "Heavy"  },
};

const LanceRow kLances[16] = {
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

const StarRow kStars[16] = {
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

const VehicleRow kVehicleRolls[2] = {
  {1, 4, true },
  {5, 5, false},
};

const SkillRow kGreen[6] = {
  {INT_MIN, 0, '7', '7'},
  {1,       1, '7', '6'},
  {2,       3, '6', '5'},
  {4,       5, '6', '4'},
  {6,       7, '5', '4'},
  {8,       8, '4', '3'},
};

const SkillRow kRegular[3] = {
  {1, 2, '6', '4'},
  {3, 4, '5', '4'},
  {5, 6, '4', '3'},
};

const SkillRow kVeteran[3] = {
  {1, 2, '5', '4'},
  {3, 4, '4', '3'},
  {5, 6, '3', '2'},
};

const SkillRow kElite[3] = {
  {1, 2, '4', '3'},
  {3, 4, '3', '2'},
  {5, 6, '2', '1'},
};
// clang-format on

namespace {

template <class Row, std::size_t N>
std::span<const char* const> slotWeightsIn(const Row (&rows)[N], std::string_view groupWeight,
                                           int die) {
  for (const Row& row : rows) {
    if (groupWeight == row.group && row.low <= die && die <= row.high) return row.slotWeights;
  }
  return {};
}

}  // namespace

bool isClanFaction(std::string_view faction) {
  return std::any_of(std::begin(kHouses), std::end(kHouses),
                     [&](const HouseRow& row) { return row.clan && faction == row.house; });
}

const char* battleArmourName(std::string_view groupWeight) {
  for (const BattleArmourRow& row : kBattleArmour) {
    if (groupWeight == row.groupWeight) return row.name;
  }
  return nullptr;
}

int weightRank(std::string_view word) {
  const auto armour =
      std::find_if(std::begin(kBattleArmour), std::end(kBattleArmour),
                   [&](const BattleArmourRow& row) { return word == row.groupWeight; });
  const int armourWords = static_cast<int>(std::size(kBattleArmour));
  if (armour != std::end(kBattleArmour))
    return static_cast<int>(armour - std::begin(kBattleArmour));
  const auto heading = std::find(kWeightHeadings.begin(), kWeightHeadings.end(), word);
  return armourWords + static_cast<int>(heading - kWeightHeadings.begin());
}

std::span<const char* const> compositionFor(bool clan, std::string_view groupWeight, int die) {
  return clan ? slotWeightsIn(kStars, groupWeight, die) : slotWeightsIn(kLances, groupWeight, die);
}
