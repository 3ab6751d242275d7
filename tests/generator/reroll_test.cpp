// SPDX-License-Identifier: MIT
// Re-rolls: what a group or slot re-roll changes and keeps, that a force is given in full by its
// choices, seed and re-rolls, the short list's reading and writing, and forces drawn in threads.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "generator/generate.h"
#include "generator/reroll_list.h"
#include "support/scripted_dice.h"
#include "support/table_files.h"

namespace {

// Each slot as "<name> <weight class> <piloting><gunnery>".
std::vector<std::string> slotsOf(const Force& force) {
  std::vector<std::string> slots;
  for (int k = 0; k < force.roster.length(); ++k) {
    const Mech& slot = force.roster[k];
    slots.push_back(std::string(slot.name.c_str()) + " " + slot.weightClass.c_str() + " " +
                    slot.piloting + slot.gunnery);
  }
  return slots;
}

// The slots (0-based) in which `a` and `b` differ.
std::vector<int> changedSlots(const Force& a, const Force& b) {
  const std::vector<std::string> before = slotsOf(a), after = slotsOf(b);
  std::vector<int> changed;
  for (std::size_t k = 0; k < before.size(); ++k)
    if (before[k] != after[k]) changed.push_back(static_cast<int>(k));
  return changed;
}

const TableText kTables = soundTableText();

TEST(Reroll, AGroupOrSlotChangesOnlyItselfAndKeepsItsWeightClass) {
  const Force drawn = generateForce(kTables, Selection{"Wolf", "Trinary", "", "Green", true}, 9u);
  struct Case {
    Reroll reroll;
    int first, last;  // the slots that may change
  };
  const Case cases[] = {
      {{2, 0}, 5,  9 },
      {{3, 5}, 14, 14},
      {{1, 1}, 0,  0 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(rerollWord(c.reroll));
    Force force = drawn;
    for (int attempt = 0; attempt < 8 && changedSlots(drawn, force).empty(); ++attempt)
      rerollForce(force, kTables, c.reroll);
    const std::vector<int> changed = changedSlots(drawn, force);
    ASSERT_FALSE(changed.empty()) << "eight re-rolls drew the same slots every time";
    for (const int slot : changed) {
      EXPECT_GE(slot, c.first);
      EXPECT_LE(slot, c.last);
    }
    EXPECT_EQ(force.groupWeights, drawn.groupWeights);
    if (c.reroll.slot != 0) {
      EXPECT_EQ(force.roster[c.first].weightClass, drawn.roster[c.first].weightClass);
    }
  }
}

TEST(Reroll, ABattleArmourSlotKeepsItsNameAndDrawsOnlyItsCrew) {
  std::vector<Draw> draws(8, Draw{6, 0});  // the house roll, 2d6 2 (battle armour), then 1s
  draws[0] = {10, 0};
  ScriptedDice lance(draws);
  Force force = generateForce(kTables, Selection{"Kurita", "Lance", "", "Veteran"}, lance.source());
  ASSERT_EQ(force.roster[2].kind, SlotKind::battleArmour);
  ScriptedDice crew({
      {6, 5}
  });
  rerollForce(force, kTables, Reroll{1, 3}, crew.source());
  EXPECT_EQ(slotsOf(force)[2], "Battle Suit  32");
  EXPECT_EQ(slotsOf(force)[1], "Battle Suit  54");
}

TEST(Reroll, ChoicesSeedAndListGiveTheForceAgainAndTheOrderMatters) {
  const Selection selection{"", "", "", "", true};
  const std::vector<Reroll> list = parseRerolls("2,1,1.2");
  Force byHand = generateForce(kTables, selection, 77u);
  for (const Reroll& reroll : list) rerollForce(byHand, kTables, reroll);
  const Force replayed = generateForce(kTables, selection, 77u, list);
  EXPECT_EQ(slotsOf(replayed), slotsOf(byHand));
  EXPECT_EQ(replayed.rerolls, list);
  const Force reordered = generateForce(kTables, selection, 77u, parseRerolls("2,1.2,1"));
  EXPECT_NE(slotsOf(reordered), slotsOf(replayed)) << "each re-roll draws by its place";
}

TEST(Reroll, OutsideTheForceIsRefusedAndChangesNothing) {
  const Force drawn = generateForce(kTables, Selection{"Davion", "Company", "", ""}, 5u);
  for (const char* list : {"0", "4", "4.1", "3.5", "1.9"}) {
    Force force = drawn;
    EXPECT_THROW(rerollForce(force, kTables, parseRerolls(list).at(0)), RerollError) << list;
    EXPECT_EQ(slotsOf(force), slotsOf(drawn)) << list;
    EXPECT_TRUE(force.rerolls.empty()) << list;
  }
}

// A recorded list is a promise like a seed: this force was drawn once from the shipped tables,
// and a change to how a re-roll takes its dice changes it.
TEST(Reroll, RecordedListsStillDrawTheirForces) {
  const Force force =
      generateForce(readTableText(SHIPPED_TABLES), Selection{"Wolf", "Star", "", "Green", true},
                    42u, parseRerolls("1.5,1.5"));
  std::vector<std::string> names;
  for (int k = 0; k < force.roster.length(); ++k) names.emplace_back(force.roster[k].name.c_str());
  EXPECT_EQ(names, (std::vector<std::string>{"Ironsides", "Ironsides", "Siegewagon", "Groundquake",
                                             "Kinslayer"}));
}

TEST(RerollList, ReadsAndWritesTheShortForm) {
  const std::pair<const char*, const char*> read[] = {
      {"2,3.1,2",      "2,3.1,2"},
      {" 2 , 3.1 ,2 ", "2,3.1,2"},
      {"",             ""       },
      {"  ",           ""       },
      {"48.5",         "48.5"   },
      {"007",          "7"      },
  };
  for (const auto& [text, written] : read)
    EXPECT_EQ(rerollList(parseRerolls(text)), written) << '"' << text << '"';
  EXPECT_EQ(rerollList(parseRerolls("2,3.1"), ", "), "2, 3.1");

  for (const char* bad : {"2,", ",2", "2,,3", "a", "3.", ".1", "3.1.2", "-1", "+2", "3 1", "1e3",
                          "1000000", "99999999999", "3.0"}) {
    EXPECT_THROW(parseRerolls(bad), RerollError) << '"' << bad << '"';
  }
}

TEST(ForcesInThreads, TwoThreadsDrawWhatOneDraws) {
  const TableText tables = readTableText(SHIPPED_TABLES);
  // The third draws each design once, from the tables walked once for the shared index.
  const Selection selections[] = {
      {"Smoke Jaguar", "Galaxy", "",    "", true },
      {                  "Kurita", "Regement",                  "", "",   false},
      { "Wolf", "Galaxy",      "",       "",         true,                                           std::nullopt, true},
  };
  const std::vector<Reroll> rerolls = parseRerolls("3,7.2,20");
  std::vector<std::string> alone[3], together[3];
  for (int k = 0; k < 3; ++k)
    alone[k] = slotsOf(generateForce(tables, selections[k], 11u, rerolls));
  {
    std::vector<std::jthread> threads;
    for (int k = 0; k < 3; ++k)
      threads.emplace_back([&, k] {
        for (int round = 0; round < 20; ++round)
          together[k] = slotsOf(generateForce(tables, selections[k], 11u, rerolls));
      });
  }
  EXPECT_EQ(together[0], alone[0]);
  EXPECT_EQ(together[1], alone[1]);
  EXPECT_EQ(together[2], alone[2]);
}

}  // namespace

namespace {

TEST(RerollList, RangesStandForTheirGroupsAndRunsWriteAsRanges) {
  const std::pair<const char*, const char*> read[] = {
      {"2-4,3",     "2-4,3"    },
      {"2,3,4,3",   "2-4,3"    },
      {"2,3",       "2,3"      },
      {"2-3",       "2,3"      },
      {"3-3",       "3"        },
      {"1-6,8-48",  "1-6,8-48" },
      {"1,2,3.1,4", "1,2,3.1,4"},
      {"4,3,2",     "4,3,2"    },
      {"1-3,4-6",   "1-6"      },
      {" 2-4 ,1",   "2-4,1"    },
  };
  for (const auto& [text, written] : read)
    EXPECT_EQ(rerollList(parseRerolls(text)), written) << '"' << text << '"';
  EXPECT_EQ(parseRerolls("2-4,3"), parseRerolls("2,3,4,3"));
}

TEST(RerollList, BadRangesAreRefusedWithWhatIsWrong) {
  const std::pair<const char*, const char*> bad[] = {
      {"5-3",       "range 5-3: a range runs upward, as in 3-5"                },
      {"0-2",       "range 0-2: groups are numbered from 1"                    },
      {"2-4",       "groups 2-4: the force has groups 1 to 3"                  },
      {"1-999999",  "groups 1-999999: the force has groups 1 to 3"             },
      {"2.1-3",     "range 2.1-3: a range holds whole groups, no slots"        },
      {"2-3.1",     "range 2-3.1: a range holds whole groups, no slots"        },
      {"1-9999999", "\"1-9999999\" is no re-roll: a group number or group.slot"},
      {"2-",        "\"2-\" is no re-roll"                                     },
      {"1-2-3",     "\"1-2-3\" is no re-roll"                                  },
  };
  for (const auto& [text, message] : bad) {
    try {
      static_cast<void>(parseRerolls(text, 3));
      ADD_FAILURE() << text << " was taken";
    } catch (const RerollError& error) {
      EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
    }
  }
}

TEST(RerollList, ARangeBeyondTheForceLeavesItUntouched) {
  const Force drawn = generateForce(kTables, Selection{"Davion", "Company", "", ""}, 5u);
  Force force = drawn;
  EXPECT_THROW(rerollForce(force, kTables, parseRerollItems("1,2-4")), RerollError);
  EXPECT_THROW(rerollForce(force, kTables, parseRerollItems("1,3.9")), RerollError);
  EXPECT_EQ(slotsOf(force), slotsOf(drawn));
  EXPECT_TRUE(force.rerolls.empty());
  rerollForce(force, kTables, parseRerollItems("2-3,1"));
  EXPECT_EQ(slotsOf(force), slotsOf(generateForce(kTables, Selection{"Davion", "Company", "", ""},
                                                  5u, parseRerolls("2,3,1"))));
}

}  // namespace

// A force keeps at most 1,000 re-rolls: a list standing for more is refused before any is made,
// ranges counted as their groups, and a force that has them all refuses the next.
TEST(RerollList, AForceKeepsAThousandRerollsAndRefusesTheNext) {
  const Selection company{"Davion", "Company", "", ""};
  std::string list = "1-3";
  for (int k = 3; k < 999; ++k) list += ",2.1";
  EXPECT_EQ(rerollCount(parseRerollItems(list)), 999u);
  Force force = generateForce(kTables, company, 5u);
  const Force drawn = force;
  EXPECT_THROW(rerollForce(force, kTables, parseRerollItems(list + ",1-2")), RerollError);
  EXPECT_TRUE(force.rerolls.empty());
  EXPECT_EQ(slotsOf(force), slotsOf(drawn));
  rerollForce(force, kTables, parseRerollItems(list + ",3"));
  EXPECT_EQ(force.rerolls.size(), 1000u);
  const Force full = force;
  try {
    rerollForce(force, kTables, Reroll{1, 0});
    ADD_FAILURE() << "the 1,001st re-roll was made";
  } catch (const RerollError& error) {
    EXPECT_STREQ(error.what(), "This force has 1,000 re-rolls: Generate it again to go on.");
  }
  EXPECT_EQ(slotsOf(force), slotsOf(full));
  EXPECT_EQ(force.rerolls.size(), 1000u);
  force.rerolls.resize(990);
  EXPECT_EQ(rerollRoomRefusal(force, 10), "");
  EXPECT_EQ(rerollRoomRefusal(force, 11),
            "This force has 990 re-rolls, and 11 more would pass 1,000: Generate it again to go "
            "on.");
}
