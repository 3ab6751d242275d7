// SPDX-License-Identifier: MIT
// The fixed rule tables of a Generate run, all in this one place (house, size, weight and
// experience, battle armour, formation, composition, vehicle roll and crew skills), one row per
// line in the printed order, each row selected by an exact range of results (and, in the
// composition tables, an exact weight word), each table with the dice it is rolled with
// (rule_table.h). Every result of a table's dice has a row; the build checks it. Beside them,
// the lookups that the draws and the odds share: the formation of a unit by its group count, a
// group's composition, a crew's skill table. The entry roll of a weight table is the table
// file's (tables/table_layout.h).
#ifndef MUSTERWRIGHT_GENERATOR_RULE_TABLES_H
#define MUSTERWRIGHT_GENERATOR_RULE_TABLES_H

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "generator/rule_table.h"

// A roll that turns "Random" into a word.
struct WordRow {
  int low, high;
  const char* word;
};

// House table (a roll of 10 plus 1): the faction heading of that place (table_layout.h). Rolls
// 7 to 10 give a Clan.
struct HouseRow {
  int low, high;
  const char* house;
  bool clan;
};
extern const RuleTable<HouseRow> kHouses;

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
extern const RuleTable<SizeRow> kHouseSizes;
extern const RuleTable<SizeRow> kClanSizes;

// Weight table for a unit of one group (2d6); a 2 makes a battle-armour group.
struct WeightRow {
  int low, high;
  const char* house;
  const char* clan;
};
extern const RuleTable<WeightRow> kWeights;

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
extern const RuleTable<WordRow> kExperiences;

// A formation row: the weight classes of the groups one roll lays out, the group at the lowest
// slot first. A row of the two-group table leaves its third class null.
struct FormationRow {
  int low, high;
  const char* groups[3];
};

// The classes of `row`, in slot order.
std::span<const char* const> groupsOf(const FormationRow& row);

// Two-group table (2d6, House and Clan alike), and the tables of a block of three groups: the
// three-lance table (d6, House) and the three-star table (2d6, Clan).
extern const RuleTable<FormationRow> kTwoGroups;
extern const RuleTable<FormationRow> kThreeLances;
extern const RuleTable<FormationRow> kThreeStars;

// How a unit of `groupCount` groups gets its groups' weight classes. One group takes the selected
// weight: no table and no roll. Two groups roll the two-group table once; three or more are laid
// out in blocks of three, one roll on the three-lance (House) or three-star (Clan) table each.
// Each roll hands its row's classes to the next groups in slot order, from slot 1 on.
struct UnitFormation {
  const RuleTable<FormationRow>* table = nullptr;  // null for a single group
  int rolls = 0;
};
UnitFormation formationFor(int groupCount, bool clan);

// Composition tables (d6): a group weight word and a die range give every slot of a lance
// (House) or a star (Clan) its weight class.
struct LanceRow {
  const char* group;
  int low, high;
  const char* slotWeights[4];
};
extern const RuleTable<LanceRow> kLances;

struct StarRow {
  const char* group;
  int low, high;
  const char* slotWeights[5];
};
extern const RuleTable<StarRow> kStars;

// Rolls the composition die of a group of weight `groupWeight` (always drawn) and gives the slot
// weight classes, slot 1 first, of its row: from the star table in a Clan force, the lance table
// in a House force. Empty when no row holds that word (a battle-armour group, or any other word).
std::span<const char* const> rollComposition(bool clan, std::string_view groupWeight, Dice& dice);

// Each composition a group of weight `groupWeight` can have, in row order, with the ways of the
// composition die that give it (outcomesOf); none for a word no row holds.
struct CompositionOutcome {
  std::span<const char* const> slotWeights;
  std::int64_t ways, outOf;
};
std::vector<CompositionOutcome> compositionOutcomes(bool clan, std::string_view groupWeight);

// Vehicle roll (a roll of 5 plus 1), drawn by every slot that takes a table entry when vehicles
// are allowed: a vehicle of the slot's weight class, or a design of the faction.
struct VehicleRow {
  int low, high;
  bool vehicle;
};
extern const RuleTable<VehicleRow> kVehicleRolls;

// Crew skill tables, one per experience level: a die gives piloting and gunnery. Green adds 2 to
// the die for a Clan crew (subtracts 2 when the slot is marked), so its first row reaches down
// to any lower result.
struct SkillRow {
  int low, high;
  char piloting, gunnery;
};
extern const RuleTable<SkillRow> kGreen;
extern const RuleTable<SkillRow> kRegular;
extern const RuleTable<SkillRow> kVeteran;
extern const RuleTable<SkillRow> kElite;

// The skill table of a crew of `experience`: "Green", "Veteran", "Regular" or "Elite", each a
// whole-word test; null for any other word, whose crews roll nothing.
const RuleTable<SkillRow>* crewSkillTable(std::string_view experience);

#endif
