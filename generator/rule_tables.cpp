// SPDX-License-Identifier: MIT
#include "generator/rule_tables.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "tables/table_layout.h"

// clang-format off
constexpr RuleTable<HouseRow> kHouses{kD10, {
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
}};

constexpr RuleTable<SizeRow> kHouseSizes{kD4, {
  {1, 1, "Lance",      1},
  {2, 2, "Company",    3},
  {3, 3, "Batallion",  9},
  {4, 4, "Regement",  27},
}};

constexpr RuleTable<SizeRow> kClanSizes{kD5, {
  {1, 1, "Star",     1},
  {2, 2, "Binary",   2},
  {3, 3, "Trinary",  3},
  {4, 4, "Cluster", 12},
  {5, 5, "Galaxy",  48},
}};

constexpr RuleTable<WeightRow> kWeights{k2D6, {
  { 2,  2, "Battle Armor", "Elemental"},
  { 3,  6, "Light",        "Light"    },
  { 7,  8, "Medium",       "Medium"   },
  { 9, 10, "Heavy",        "Heavy"    },
  {11, 12, "Assault",      "Assault"  },
}};

const BattleArmourRow kBattleArmour[2] = {
  {"Battle Armor", "Battle Suit"},
  {"Elemental",    "Elemental"  },
};

constexpr RuleTable<WordRow> kExperiences{k2D6, {
  { 2,  5, "Green"  },
  { 6,  9, "Regular"},
  {10, 11, "Veteran"},
  {12, 12, "Elite"  },
}};

constexpr RuleTable<FormationRow> kTwoGroups{k2D6, {
  { 2,  4, {"Light",   "Light"  }},
  { 5,  6, {"Medium",  "Medium" }},
  { 7,  7, {"Light",   "Medium" }},
  { 8,  8, {"Medium",  "Heavy"  }},
  { 9,  9, {"Heavy",   "Assault"}},
  {10, 11, {"Heavy",   "Heavy"  }},
  {12, 12, {"Assault", "Assault"}},
}};

constexpr RuleTable<FormationRow> kThreeLances{kD6, {
  {1, 1, {"Light",  "Medium", "Medium" }},
  {2, 2, {"Light",  "Medium", "Heavy"  }},
  {3, 3, {"Medium", "Medium", "Heavy"  }},
  {4, 4, {"Light",  "Heavy",  "Heavy"  }},
  {5, 5, {"Heavy",  "Heavy",  "Heavy"  }},
  {6, 6, {"Heavy",  "Heavy",  "Assault"}},
}};

constexpr RuleTable<FormationRow> kThreeStars{k2D6, {
  { 2,  4, {"Light",  "Light",  "Light"  }},
  { 5,  6, {"Light",  "Medium", "Heavy"  }},
  { 7,  7, {"Light",  "Light",  "Heavy"  }},
  { 8,  8, {"Light",  "Heavy",  "Assault"}},
  { 9,  9, {"Heavy",  "Heavy",  "Assault"}},
  {10, 11, {"Medium", "Heavy",  "Assault"}},
  {12, 12, {"Heavy",  "Heavy",  "Heavy"  }},
}};

constexpr RuleTable<LanceRow> kLances{kD6, {
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
}};

constexpr RuleTable<StarRow> kStars{kD6, {
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
}};

constexpr RuleTable<VehicleRow> kVehicleRolls{kD5, {
  {1, 4, true },
  {5, 5, false},
}};

constexpr RuleTable<SkillRow> kGreen{{kD6, +2}, {
  {INT_MIN, 0, '7', '7'},
  {1,       1, '7', '6'},
  {2,       3, '6', '5'},
  {4,       5, '6', '4'},
  {6,       7, '5', '4'},
  {8,       8, '4', '3'},
}};

constexpr RuleTable<SkillRow> kRegular{kD6, {
  {1, 2, '6', '4'},
  {3, 4, '5', '4'},
  {5, 6, '4', '3'},
}};

constexpr RuleTable<SkillRow> kVeteran{kD6, {
  {1, 2, '5', '4'},
  {3, 4, '4', '3'},
  {5, 6, '3', '2'},
}};

constexpr RuleTable<SkillRow> kElite{kD6, {
  {1, 2, '4', '3'},
  {3, 4, '3', '2'},
  {5, 6, '2', '1'},
}};
// clang-format on

namespace {

// A composition row of the group weight `word`.
struct OfGroup {
  std::string_view word;
  template <class Row>
  constexpr bool operator()(const Row& row) const {
    return word == row.group;
  }
};

// Every table has a row for every result its dice give: for each roller of the Clan modifier,
// and in the composition tables for each weight heading.
template <class Row>
constexpr bool everyRollerHasARow(const RuleTable<Row>& table) {
  for (const Roller who : {
           Roller{false, false},
           Roller{true,  false},
           Roller{true,  true }
  })
    if (!everyResultHasARow(table, who)) return false;
  return true;
}
template <class Row>
constexpr bool everyGroupHasARow(const RuleTable<Row>& table) {
  for (const char* word : kWeightHeadings)
    if (!everyResultHasARow(table, Roller{}, OfGroup{word})) return false;
  return true;
}
static_assert(everyRollerHasARow(kHouses) && everyRollerHasARow(kHouseSizes) &&
              everyRollerHasARow(kClanSizes) && everyRollerHasARow(kWeights) &&
              everyRollerHasARow(kExperiences) && everyRollerHasARow(kTwoGroups) &&
              everyRollerHasARow(kThreeLances) && everyRollerHasARow(kThreeStars) &&
              everyRollerHasARow(kVehicleRolls) && everyRollerHasARow(kGreen) &&
              everyRollerHasARow(kRegular) && everyRollerHasARow(kVeteran) &&
              everyRollerHasARow(kElite));
static_assert(everyGroupHasARow(kLances) && everyGroupHasARow(kStars));

// The blocks of three groups that a unit of `groupCount` groups, three or more, is laid out in.
int blockCount(int groupCount) {
  return (groupCount + 2) / 3;
}

template <class Row>
std::span<const char* const> rolledSlots(const RuleTable<Row>& table, std::string_view groupWeight,
                                         Dice& dice) {
  const Row* row = rollOn(table, dice, Roller{}, OfGroup{groupWeight});
  return row ? std::span<const char* const>(row->slotWeights) : std::span<const char* const>();
}

template <class Row>
std::vector<CompositionOutcome> slotOutcomes(const RuleTable<Row>& table,
                                             std::string_view groupWeight) {
  std::vector<CompositionOutcome> outcomes;
  for (const RowOutcome<Row>& outcome : outcomesOf(table, Roller{}, OfGroup{groupWeight}))
    outcomes.push_back({outcome.row->slotWeights, outcome.ways, outcome.outOf});
  return outcomes;
}

}  // namespace

bool isClanFaction(std::string_view faction) {
  return std::any_of(kHouses.rows.begin(), kHouses.rows.end(),
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

std::span<const char* const> groupsOf(const FormationRow& row) {
  const std::span<const char* const> all(row.groups);
  return all.first(
      static_cast<std::size_t>(std::find(all.begin(), all.end(), nullptr) - all.begin()));
}

UnitFormation formationFor(int groupCount, bool clan) {
  if (groupCount == 1) return {};
  if (groupCount == 2) return {&kTwoGroups, 1};
  return {clan ? &kThreeStars : &kThreeLances, blockCount(groupCount)};
}

std::span<const char* const> rollComposition(bool clan, std::string_view groupWeight, Dice& dice) {
  return clan ? rolledSlots(kStars, groupWeight, dice) : rolledSlots(kLances, groupWeight, dice);
}

std::vector<CompositionOutcome> compositionOutcomes(bool clan, std::string_view groupWeight) {
  return clan ? slotOutcomes(kStars, groupWeight) : slotOutcomes(kLances, groupWeight);
}

const RuleTable<SkillRow>* crewSkillTable(std::string_view experience) {
  if (experience == "Green") return &kGreen;
  if (experience == "Veteran") return &kVeteran;
  if (experience == "Regular") return &kRegular;
  if (experience == "Elite") return &kElite;
  return nullptr;
}
