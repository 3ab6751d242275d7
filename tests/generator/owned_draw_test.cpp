// SPDX-License-Identifier: MIT
// The draw from owned copies: which entry each roll value picks, copies running out into open
// slots, re-rolls freeing their own copies, and each design once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/generate.h"
#include "roster/listing.h"
#include "support/scripted_dice.h"
#include "support/table_files.h"
#include "tables/collection.h"

namespace {

const TableText kTables = soundTableText();

Collection owning(std::vector<std::pair<std::string, int>> copies) {
  Collection collection{"shelf", "0", {}};
  for (const auto& [name, count] : copies) collection.copies[foldedName(name)] = count;
  return collection;
}

// A Kurita Light lance of Regular crews, composition die 1 (four Light slots).
Selection lightLance(std::optional<Collection> collection, bool unique = false) {
  Selection selection{"Kurita", "Lance", "Light", "Regular", false};
  selection.collection = std::move(collection);
  selection.unique = unique;
  return selection;
}

std::vector<std::string> names(const Force& force) {
  std::vector<std::string> result;
  for (int k = 0; k < force.roster.length(); ++k)
    result.push_back(force.roster[k].kind == SlotKind::open ? "open"
                                                            : force.roster[k].name.c_str());
  return result;
}

TEST(OwnedDraw, EachRollValuePicksTheOwnedEntryItFallsIn) {
  // Entries 1, 6 and 11 weigh 1, 6 and 1 of the 36 outcomes: W = 8.
  const Collection shelf = owning({
      {"kur light 1",  9},
      {"KUR LIGHT 6",  9},
      {"Kur Light 11", 9}
  });
  const struct {
    int roll;
    const char* name;
  } rows[] = {
      {0, "Kur Light 1" },
      {1, "Kur Light 6" },
      {6, "Kur Light 6" },
      {7, "Kur Light 11"}
  };
  ScriptedDice dice({
      {10, 0},
      {6,  0}
  });
  for (const auto& row : rows)
    dice.then({
        {8, row.roll},
        {6, 2       }
    });
  const Force force = generateForce(kTables, lightLance(shelf), dice.source());
  std::vector<std::string> expected;
  for (const auto& row : rows) expected.push_back(row.name);
  EXPECT_EQ(names(force), expected);
}

TEST(OwnedDraw, UsedCopiesLeaveTheDrawAndAnEmptyTableLeavesTheSlotOpen) {
  ScriptedDice dice({
      {10, 0},
      {6,  0},
      {7,  6},
      {6,  0},
      {1,  0},
      {6,  0}
  });
  const Force force = generateForce(kTables,
                                    lightLance(owning({
                                        {"Kur Light 6", 1},
                                        {"Kur Light 1", 1}
  })),
                                    dice.source());
  EXPECT_EQ(names(force), (std::vector<std::string>{"Kur Light 6", "Kur Light 1", "open", "open"}));
  const std::vector<apstring> lines = listForce(force);
  EXPECT_EQ(std::string(lines.back().c_str()), "(open: no Light design left)");
  EXPECT_EQ(force.roster[3].piloting, '-');
  EXPECT_EQ(openSlotsNotice(force), "2 slots stayed open (no design left): Kurita Light 2");
}

TEST(OwnedDraw, ARerollFreesItsOwnCopiesAndKeepsTheRestUsed) {
  const Selection selection = lightLance(owning({
      {"Kur Light 6", 1},
      {"Kur Light 1", 1}
  }));
  ScriptedDice dice({
      {10, 0},
      {6,  0},
      {7,  6},
      {6,  0},
      {1,  0},
      {6,  0}
  });
  Force force = generateForce(kTables, selection, dice.source());
  // Slot 1 frees its Kur Light 6 and draws it again (W = 6); slot 2 keeps Kur Light 1.
  ScriptedDice slot({
      {6, 0},
      {6, 4}
  });
  rerollForce(force, kTables, Reroll{1, 1}, slot.source());
  EXPECT_EQ(names(force), (std::vector<std::string>{"Kur Light 6", "Kur Light 1", "open", "open"}));
  // An open slot re-rolled while nothing is left stays open and draws nothing.
  ScriptedDice none;
  rerollForce(force, kTables, Reroll{1, 3}, none.source());
  // The whole group frees all its copies: W = 7 again for its first slot.
  ScriptedDice group({
      {6, 0},
      {7, 0},
      {6, 0},
      {6, 0},
      {6, 0}
  });
  rerollForce(force, kTables, Reroll{1, 0}, group.source());
  EXPECT_EQ(names(force), (std::vector<std::string>{"Kur Light 1", "Kur Light 6", "open", "open"}));
}

TEST(OwnedDraw, EachDesignOnceShrinksTheDrawByTheWeightOfWhatIsTaken) {
  // Without a collection every design is owned once: 36, then 36 less each entry taken.
  ScriptedDice dice({
      {10, 0 },
      {6,  0 },
      {36, 20},
      {6,  0 },
      {30, 0 },
      {6,  0 },
      {29, 28},
      {6,  0 },
      {28, 27},
      {6,  0 }
  });
  const Force force = generateForce(kTables, lightLance(std::nullopt, true), dice.source());
  EXPECT_EQ(names(force), (std::vector<std::string>{"Kur Light 6", "Kur Light 1", "Kur Light 11",
                                                    "Kur Light 10"}));
  // With a collection, at most one of each owned design.
  ScriptedDice owned({
      {10, 0},
      {6,  0},
      {1,  0},
      {6,  0}
  });
  const Force once = generateForce(kTables,
                                   lightLance(owning({
                                                  {"Kur Light 1", 5}
  }),
                                              true),
                                   owned.source());
  EXPECT_EQ(names(once), (std::vector<std::string>{"Kur Light 1", "open", "open", "open"}));
}

TEST(OwnedDraw, ADesignOnTwoEntriesCountsBothWeights) {
  std::string bytes = kTables.bytes;
  const std::string last = "Kur Light 11\n";
  bytes.replace(bytes.find(last), last.size(), "Kur Light 2\n");
  // Kur Light 2 holds entries 2 and 11: weights 2 + 1.
  ScriptedDice dice({
      {10, 0},
      {6,  0},
      {3,  2},
      {6,  0},
      {3,  0},
      {6,  0}
  });
  const Force force = generateForce(
      TableText{
          bytes, "Tables.dat"
  },
      lightLance(owning({{"Kur Light 2", 2}})), dice.source());
  EXPECT_EQ(names(force), (std::vector<std::string>{"Kur Light 2", "Kur Light 2", "open", "open"}));
}

}  // namespace
