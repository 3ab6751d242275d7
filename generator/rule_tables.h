// SPDX-License-Identifier: MIT
// The fixed rule tables of a Generate run, all in this one place (house, size, weight and
// experience, battle armour, formation, composition, vehicle roll and crew skills), one row per
// line in the printed order, each row selected by an exact die range (and, in the composition
// tables, an exact weight word). `rowFor` finds the row whose range holds a roll; the tables
// cover every possible roll. Beside them, the lookups that the draws and the odds share.
#ifndef MUSTERWRIGHT_GENERATOR_RULE_TABLES_H
#define MUSTERWRIGHT_GENERATOR_RULE_TABLES_H

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string_view>

// The row of `rows` whose range low..high holds `roll`. Throws std::logic_error when no row
// holds it, which only a roll outside the table's dice can cause.
template <class Row>
const Row& rowFor(std::span<const Row> rows, int roll) {
  for (const Row& row : rows) {
    if (row.low <= roll && roll <= row.high) return row;
  }
  throw std::logic_error("no rule table row for a roll");
}
template <class Row, std::size_t N>
const Row& rowFor(const Row (&rows)[N], int roll) {
  return rowFor(std::span<const Row>(rows), roll);
}

// A roll that turns "Random" into a word.
struct WordRow {
  int low, high;
  const char* word;
};

// House table: a roll of 10 plus 1 gives the faction heading of that place (table_layout.h).
// Rolls 7 to 10 give a Clan.
struct HouseRow {
  int low, high;
  const char* house;
  bool clan;
};
extern const HouseRow kHouses[10];

// Whether the faction heading `faction` is a Clan's.
bool isClanFaction(std::string_view faction);

// Size word to group count, in the order of the size list: the House sizes, then the Clan
// sizes. Then the House and Clan size tables (a roll of 4 or 5 plus 1).
struct SizeWord {
  const char* word;
  int groups;
};
// clang-format off
inline constexpr SizeWord kSizeWords[] = {
  {"Lance",      1},
  {"Company",    3},
  {"Batallion",  9},
  {"Regement",  27},
  {"Star",       1},
  {"Binary",     2},
  {"Trinary",    3},
  {"Cluster",   12},
  {"Galaxy",    48},
};
// clang-format on
struct SizeRow {
  int low, high;
  const char* size;
  int groups;
};
extern const SizeRow kHouseSizes[4];
extern const SizeRow kClanSizes[5];

// Weight table for a unit of one group (2d6); a 2 makes a battle-armour group.
struct WeightRow {
  int low, high;
  const char* house;
  const char* clan;
};
extern const WeightRow kWeights[5];

// Battle armour: the group weight words that make a battle-armour group, and the name every
// slot of such a group takes; such a group reads no table.
struct BattleArmourRow {
  const char* groupWeight;
  const char* name;
};
extern const BattleArmourRow kBattleArmour[2];

// The name every slot of a battle-armour group of `groupWeight` takes; null for any other word.
const char* battleArmourName(std::string_view groupWeight);

// The order in which weight words are listed: the battle-armour words as kBattleArmour has
// them, then the weight headings lightest first (0 for the first). Any other word ranks after
// them all.
int weightRank(std::string_view word);

// Experience table (2d6).
extern const WordRow kExperiences[4];

// Two-group table (2d6, House and Clan alike): the weight classes of the first and second group.
struct TwoGroupRow {
  int low, high;
  const char* first;
  const char* second;
};
extern const TwoGroupRow kTwoGroups[7];

// A block of three groups: the three-lance table (d6, House) and the three-star table (2d6,
// Clan), one roll per block.
struct BlockRow {
  int low, high;
  const char* first;
  const char* second;
  const char* third;
};
extern const BlockRow kThreeLances[6];
extern const BlockRow kThreeStars[7];

// Composition tables (d6): a group weight word and a die range give every slot of a lance
// (House) or a star (Clan) its weight class.
struct LanceRow {
  const char* group;
  int low, high;
  const char* slotWeights[4];
};
extern const LanceRow kLances[16];

struct StarRow {
  const char* group;
  int low, high;
  const char* slotWeights[5];
};
extern const StarRow kStars[16];

// The slot weight classes, slot 1 first, that composition die `die` gives a group of weight
// `groupWeight`: from the star table in a Clan force, the lance table in a House force. Empty
// when no row holds that word and die (a battle-armour group, or any other word).
std::span<const char* const> compositionFor(bool clan, std::string_view groupWeight, int die);

// The entry of a weight table, 1 to 11, that the entry roll picks: two rolls of 6 (0 to 5 each,
// `first` drawn before `second`) plus 1.
inline int entryPicked(int first, int second) {
  return first + second + 1;
}

// How many of the 36 outcomes of the entry roll pick entry `entry` (1 to 11): its weight.
inline int entryOutcomes(int entry) {
  int outcomes = 0;
  for (int first = 0; first < 6; ++first)
    for (int second = 0; second < 6; ++second) outcomes += entryPicked(first, second) == entry;
  return outcomes;
}

// Vehicle roll (a roll of 5 plus 1), drawn by every slot that takes a table entry when vehicles
// are allowed: a vehicle of the slot's weight class, or a design of the faction.
struct VehicleRow {
  int low, high;
  bool vehicle;
};
extern const VehicleRow kVehicleRolls[2];

// Crew skill tables, one per experience level: a die gives piloting and gunnery. Green takes
// the die for a House crew, the die + 2 for a Clan crew (- 2 when the slot is marked), so its
// first row reaches down to any lower result.
struct SkillRow {
  int low, high;
  char piloting, gunnery;
};
extern const SkillRow kGreen[6];
extern const SkillRow kRegular[3];
extern const SkillRow kVeteran[3];
extern const SkillRow kElite[3];

#endif
