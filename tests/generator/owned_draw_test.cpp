// SPDX-License-Identifier: MIT
// The draw from owned copies: which entry each roll value picks, copies running out into open
// slots, re-rolls freeing their own copies, each design once, a design on two entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/generate.h"
#include "roster/listing.h"
#include "support/scripted_dice.h"
#include "support/table_files.h"

namespace {

using Names = std::vector<std::string>;
const TableText kTables = soundTableText();

// A Kurita Light lance of Regular crews owning `copies`; its dice open with the faction roll and
// composition die 1 (four Light slots).
Selection lightLance(const std::vector<std::pair<std::string, int>>& copies, bool unique = false) {
  Selection selection{"Kurita", "Lance", "Light", "Regular", false};
  if (!copies.empty()) selection.collection = Collection{"shelf", "0", {}};
  for (const auto& [name, count] : copies) selection.collection->copies[foldedName(name)] = count;
  selection.unique = unique;
  return selection;
}

Names names(const Force& force) {
  Names result;
  for (int k = 0; k < force.roster.length(); ++k)
    result.push_back(force.roster[k].kind == SlotKind::open ? "open"
                                                            : force.roster[k].name.c_str());
  return result;
}

// clang-format off
TEST(OwnedDraw, EachRollValuePicksTheOwnedEntryItFallsIn) {
  // Entries 1, 6 and 11 weigh 1, 6 and 1 of the 36 outcomes: W = 8.
  ScriptedDice dice({{10, 0}, {6, 0}, {8, 0}, {6, 2}, {8, 1}, {6, 2}, {8, 6}, {6, 2}, {8, 7}, {6, 2}});
  const Force force = generateForce(
      kTables, lightLance({{"kur light 1", 9}, {"KUR LIGHT 6", 9}, {"Kur Light 11", 9}}), dice.source());
  EXPECT_EQ(names(force), (Names{"Kur Light 1", "Kur Light 6", "Kur Light 6", "Kur Light 11"}));
}

TEST(OwnedDraw, CopiesRunOutIntoOpenSlotsAndReRollsFreeTheirOwnFirst) {
  const Selection selection = lightLance({{"Kur Light 6", 1}, {"Kur Light 1", 1}});
  ScriptedDice dice({{10, 0}, {6, 0}, {7, 6}, {6, 0}, {1, 0}, {6, 0}});
  Force force = generateForce(kTables, selection, dice.source());
  EXPECT_EQ(names(force), (Names{"Kur Light 6", "Kur Light 1", "open", "open"}));
  EXPECT_EQ(std::string(listForce(force).back().c_str()), "(open: no Light design left)");
  EXPECT_EQ(force.roster[3].piloting, '-');
  EXPECT_EQ(openSlotsNotice(force), "2 slots stayed open (no design left): Kurita Light 2");
  // Slot 1 frees its Kur Light 6 and draws among it alone (W = 6); slot 2 keeps Kur Light 1.
  ScriptedDice slot({{6, 0}, {6, 4}});
  rerollForce(force, kTables, Reroll{1, 1}, slot.source());
  EXPECT_EQ(names(force), (Names{"Kur Light 6", "Kur Light 1", "open", "open"}));
  // An open slot re-rolled with nothing left stays open and draws nothing.
  ScriptedDice none;
  rerollForce(force, kTables, Reroll{1, 3}, none.source());
  // The whole group frees all its copies: W = 7 again for its first slot.
  ScriptedDice group({{6, 0}, {7, 0}, {6, 0}, {6, 0}, {6, 0}});
  rerollForce(force, kTables, Reroll{1, 0}, group.source());
  EXPECT_EQ(names(force), (Names{"Kur Light 1", "Kur Light 6", "open", "open"}));
}

TEST(OwnedDraw, EachDesignOnceShrinksTheDrawByTheWeightOfWhatIsTaken) {
  // Without a collection every design is owned once: 36, then 36 less each entry taken.
  ScriptedDice dice({{10, 0}, {6, 0}, {36, 20}, {6, 0}, {30, 0}, {6, 0}, {29, 28}, {6, 0}, {28, 27}, {6, 0}});
  EXPECT_EQ(names(generateForce(kTables, lightLance({}, true), dice.source())),
            (Names{"Kur Light 6", "Kur Light 1", "Kur Light 11", "Kur Light 10"}));
  // With a collection, at most one of each owned design.
  ScriptedDice owned({{10, 0}, {6, 0}, {1, 0}, {6, 0}});
  EXPECT_EQ(names(generateForce(kTables, lightLance({{"Kur Light 1", 5}}, true), owned.source())),
            (Names{"Kur Light 1", "open", "open", "open"}));
}

TEST(OwnedDraw, ADesignOnTwoEntriesCountsBothWeights) {
  std::string bytes = kTables.bytes;
  bytes.replace(bytes.find("Kur Light 11\n"), 13, "Kur Light 2\n");  // entries 2 and 11: 2 + 1
  ScriptedDice dice({{10, 0}, {6, 0}, {3, 2}, {6, 0}, {3, 0}, {6, 0}});
  const Force force = generateForce(TableText{bytes, "Tables.dat"}, lightLance({{"Kur Light 2", 2}}),
                                    dice.source());
  EXPECT_EQ(names(force), (Names{"Kur Light 2", "Kur Light 2", "open", "open"}));
}
// clang-format on

}  // namespace
