// SPDX-License-Identifier: MIT
// The Generate run as a whole: how the selection is resolved, in which order the dice fall,
// and what the force it returns holds.
#include "generator/generate.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/apstring_stream.h"
#include "support/scripted_dice.h"
#include "support/table_files.h"
#include "tables/table_error.h"

namespace {

class Generate : public testing::Test {
 protected:
  // A run on the sound tables; the fields below show the force it returned.
  void generateForce(const Selection& selection, DiceSource dice) {
    force = ::generateForce(tables, selection, std::move(dice));
  }
  void generateForce(const Selection& selection, std::uint32_t seed) {
    force = ::generateForce(tables, selection, seed);
  }

  static Selection choose(const char* h, const char* s, const char* w, const char* e,
                          bool vehicles = false) {
    return Selection{h, s, w, e, vehicles};
  }

  static std::string text(const apstring& s) { return s.c_str(); }

  const TableText tables = soundTableText();
  Force force;
  const apstring &house = force.house, &size = force.size, &weight = force.weight,
                 &experience = force.experience;
  const bool& isClan = force.isClan;
  const apvector<Mech>& roster = force.roster;
};

std::vector<Draw> join(std::initializer_list<std::vector<Draw>> parts) {
  std::vector<Draw> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST_F(Generate, RandomHouseRollEightIsWolfAndRollsTheClanSizeTable) {
  ScriptedDice dice(join({
      {{10, 7}, {5, 1}},
      twoDice(7), zeroUnit(2, 5)
  }));
  generateForce(choose("Random", "Random", "Heavy", "Random"), dice.source());
  EXPECT_EQ(text(house), "Wolf");
  EXPECT_TRUE(isClan);
  EXPECT_EQ(text(size), "Binary");
  EXPECT_EQ(roster.length(), 10);
  EXPECT_EQ(text(weight), "Heavy") << "two groups: the selected weight is only listed";
  EXPECT_EQ(text(experience), "Regular");
  EXPECT_EQ(text(roster[0].name), "Wol Light 1");
}

TEST_F(Generate, HouseTableRowsSetTheFactionAndClanFlag) {
  const char* expected[] = {"Kurita",  "Liao",        "Marik", "Davion",     "Steiner",
                            "ComStar", "Jade Falcon", "Wolf",  "Ghost Bear", "Smoke Jaguar"};
  for (int value = 0; value < 10; ++value) {
    const bool clan = value >= 6;
    ScriptedDice dice(join({{{10, value}}, zeroGroup(clan ? 5 : 4)}));
    generateForce(choose("Random", "Lance", "Light", "Green"), dice.source());
    EXPECT_EQ(text(house), expected[value]);
    EXPECT_EQ(isClan, clan) << expected[value];
    EXPECT_EQ(roster.length(), clan ? 5 : 4) << "\"Lance\" gives one group of either kind";
    EXPECT_EQ(text(roster[0].name), std::string(expected[value]).substr(0, 3) + " Light 1");
  }
}

TEST_F(Generate, ChosenFactionStillDrawsTheHouseRoll) {
  ScriptedDice wolf(join({{{10, 0}}, zeroGroup(5)}));
  generateForce(choose("Wolf", "Star", "Light", "Elite"), wolf.source());
  EXPECT_EQ(text(house), "Wolf") << "the unused house roll of 1 would have been Kurita";
  EXPECT_TRUE(isClan);

  ScriptedDice comStar(join({{{10, 9}}, zeroUnit(3, 4)}));
  generateForce(choose("ComStar", "Trinary", "Light", "Elite"), comStar.source());
  EXPECT_FALSE(isClan);
  EXPECT_EQ(roster.length(), 12) << "\"Trinary\" for a House is three lances";
}

TEST_F(Generate, SizeTablesGiveTheirWordAndGroupCount) {
  struct Case {
    const char* faction;
    int sizeDie, value;
    const char* size;
    int groups;
  };
  const Case cases[] = {
      {"Kurita", 4, 0, "Lance",     1 },
      {"Kurita", 4, 1, "Company",   3 },
      {"Kurita", 4, 2, "Batallion", 9 },
      {"Kurita", 4, 3, "Regement",  27},
      {"Wolf",   5, 0, "Star",      1 },
      {"Wolf",   5, 1, "Binary",    2 },
      {"Wolf",   5, 2, "Trinary",   3 },
      {"Wolf",   5, 3, "Cluster",   12},
      {"Wolf",   5, 4, "Galaxy",    48},
  };
  for (const Case& c : cases) {
    const int slots = c.sizeDie == 5 ? 5 : 4;
    ScriptedDice dice(join({
        {{10, 0}, {c.sizeDie, c.value}},
        zeroUnit(c.groups, slots)
    }));
    generateForce(choose(c.faction, "Random", "Light", "Veteran"), dice.source());
    EXPECT_EQ(text(size), c.size);
    EXPECT_EQ(roster.length(), c.groups * slots) << c.size;
  }
}

TEST_F(Generate, ChosenSizeWordsGiveTheirGroupCountForEitherForce) {
  const std::pair<const char*, int> words[] = {
      {"Lance",     1 },
      {"Star",      1 },
      {"Binary",    2 },
      {"Company",   3 },
      {"Trinary",   3 },
      {"Batallion", 9 },
      {"Cluster",   12},
      {"Regement",  27},
      {"Galaxy",    48}
  };
  for (const auto& [word, groups] : words) {
    for (const char* faction : {"Davion", "Ghost Bear"}) {
      const int slots = std::string(faction) == "Davion" ? 4 : 5;
      ScriptedDice dice(join({{{10, 0}}, zeroUnit(groups, slots)}));
      generateForce(choose(faction, word, "Assault", "Regular"), dice.source());
      EXPECT_EQ(text(size), word);
      EXPECT_EQ(roster.length(), groups * slots) << word << " " << faction;
    }
  }
}

TEST_F(Generate, WeightTableForOneGroupAtItsBoundaries) {
  struct Case {
    int total;
    const char* house;
    const char* clan;
  };
  const Case cases[] = {
      {3,  "Light",   "Light"  },
      {6,  "Light",   "Light"  },
      {7,  "Medium",  "Medium" },
      {8,  "Medium",  "Medium" },
      {9,  "Heavy",   "Heavy"  },
      {10, "Heavy",   "Heavy"  },
      {11, "Assault", "Assault"},
      {12, "Assault", "Assault"}
  };
  for (const Case& c : cases) {
    for (const bool clan : {false, true}) {
      ScriptedDice dice(join({{{10, 0}}, twoDice(c.total), zeroGroup(clan ? 5 : 4)}));
      generateForce(choose(clan ? "Jade Falcon" : "Steiner", "Lance", "Random", "Green"),
                    dice.source());
      EXPECT_EQ(text(weight), clan ? c.clan : c.house) << c.total;
    }
  }
}

TEST_F(Generate, WeightTwoMakesABattleArmourGroupThatReadsNoTable) {
  for (const bool clan : {false, true}) {
    const int slots = clan ? 5 : 4;
    ScriptedDice dice(join({{{10, 0}}, twoDice(2), {{6, 5}}}));
    for (int k = 0; k < slots; ++k)
      dice.then({
          {6, k % 6}
      });
    generateForce(choose(clan ? "Smoke Jaguar" : "Liao", "Star", "Random", "Veteran", true),
                  dice.source());
    EXPECT_EQ(text(weight), clan ? "Elemental" : "Battle Armor");
    for (int k = 0; k < slots; ++k) {
      EXPECT_EQ(text(roster[k].name), clan ? "Elemental" : "Battle Suit");
    }
    EXPECT_EQ(roster[0].piloting, '5') << "battle armour crews are rolled like any other";
    EXPECT_EQ(roster[slots - 1].gunnery, clan ? '2' : '3') << "Veteran die 5 or 4";
  }
}

TEST_F(Generate, RandomWeightWithSeveralGroupsDrawsNothingAndStaysRandom) {
  ScriptedDice dice(join({{{10, 0}}, zeroUnit(3, 4)}));
  generateForce(choose("Marik", "Company", "Random", "Regular"), dice.source());
  EXPECT_EQ(text(weight), "Random");
}

TEST_F(Generate, ExperienceTableAtItsBoundaries) {
  const std::pair<int, const char*> cases[] = {
      {2,  "Green"  },
      {5,  "Green"  },
      {6,  "Regular"},
      {9,  "Regular"},
      {10, "Veteran"},
      {11, "Veteran"},
      {12, "Elite"  }
  };
  for (const auto& [total, word] : cases) {
    ScriptedDice dice(join({{{10, 0}}, twoDice(total), zeroGroup(4)}));
    generateForce(choose("Kurita", "Lance", "Light", "Random"), dice.source());
    EXPECT_EQ(text(experience), word) << total;
  }
}

TEST_F(Generate, EverythingRandomDrawsHouseSizeWeightExperienceInThatOrder) {
  ScriptedDice dice(join({
      {{10, 3}, {4, 0}},
      twoDice(12), twoDice(12), zeroGroup(4)
  }));
  generateForce(choose("Random", "Random", "Random", "Random"), dice.source());
  EXPECT_EQ(text(house), "Davion");
  EXPECT_EQ(text(size), "Lance");
  EXPECT_EQ(text(weight), "Assault");
  EXPECT_EQ(text(experience), "Elite");
}

TEST_F(Generate, EmptyWordsCountAsRandom) {
  ScriptedDice dice(join({
      {{10, 8}, {5, 0}},
      twoDice(7), twoDice(6), zeroGroup(5)
  }));
  generateForce(Selection{}, dice.source());
  EXPECT_EQ(text(house), "Ghost Bear");
  EXPECT_EQ(text(size), "Star");
  EXPECT_EQ(text(weight), "Medium");
  EXPECT_EQ(text(experience), "Regular");
  EXPECT_EQ(roster.length(), 5);
}

TEST_F(Generate, UnknownSizeWordFailsBeforeAnyRollAndTheForceIsKept) {
  ScriptedDice first(join({{{10, 0}}, zeroGroup(4)}));
  generateForce(choose("Kurita", "Lance", "Light", "Green"), first.source());
  ScriptedDice dice;
  try {
    generateForce(choose("Kurita", "Platoon", "Light", "Green"), dice.source());
    FAIL() << "an unknown size word must fail the run";
  } catch (const SelectionError& error) {
    EXPECT_NE(std::string(error.what()).find("\"Platoon\""), std::string::npos) << error.what();
  }
  EXPECT_EQ(roster.length(), 4);
}

TEST_F(Generate, FactionWeightAndExperienceWordsInNoListAreRefusedByName) {
  const std::pair<Selection, const char*> cases[] = {
      {choose("Kurita",  "Lance", "Light",     "Seasoned"), "experience \"Seasoned\""},
      {choose("Kurita",  "Lance", "Light",     "green"),    "experience \"green\""   },
      {choose("Kurita",  "Lance", "Elemental", "Elite"),    "weight \"Elemental\""   },
      {choose("Kurita ", "Lance", "Light",     "Elite"),    "faction \"Kurita \""    },
  };
  for (const auto& [selection, named] : cases) {
    ScriptedDice none;
    try {
      generateForce(selection, none.source());
      ADD_FAILURE() << named << " was taken";
    } catch (const SelectionError& error) {
      EXPECT_NE(std::string(error.what()).find(named), std::string::npos) << error.what();
    }
  }
}

TEST_F(Generate, SameSeedSameForceAndEveryRunAFreshOne) {
  generateForce(choose("Wolf", "Galaxy", "Random", "Random"), 1234u);
  ASSERT_EQ(roster.length(), 240);
  std::vector<std::string> first;
  for (int k = 0; k < 240; ++k) first.push_back(text(roster[k].name));
  generateForce(choose("Wolf", "Galaxy", "Random", "Random"), 1234u);
  for (int k = 0; k < 240; ++k) EXPECT_EQ(text(roster[k].name), first[k]) << k;

  // A battle-armour lance writes no slot weight class: nothing of the last force shows through.
  ScriptedDice dice(join({
      {{10, 0}},
      twoDice(2), zeroGroup(0), { {6, 0}, {6, 0}, {6, 0}, {6, 0}}
  }));
  generateForce(choose("Kurita", "Lance", "Random", "Elite"), dice.source());
  ASSERT_EQ(roster.length(), 4);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(text(roster[k].weightClass), "");
    EXPECT_EQ(text(roster[k].name), "Battle Suit");
    EXPECT_EQ(roster[k].kind, SlotKind::battleArmour);
  }
}

TEST(GenerateWithoutTables, ReadingATableFileThatIsNoneFailsNamingIt) {
  ScratchFolder folder;
  try {
    readTableText(folder.path() / "missing.dat");
    FAIL() << "a missing table file must fail";
  } catch (const TableError& error) {
    EXPECT_NE(std::string(error.what()).find("missing.dat"), std::string::npos) << error.what();
  }
  EXPECT_THROW(readTableText(folder.path()), TableError) << "a folder is no table file";
}

TEST_F(Generate, EverySlotRecordsWhereItsDesignCameFromOnEveryRun) {
  // The test tables name faction entries "<faction> <weight> <k>" and vehicles "Veh ...".
  generateForce(choose("Davion", "Regement", "Random", "Random", true), 77u);
  int vehicles = 0;
  for (int k = 0; k < roster.length(); ++k) {
    const bool vehicle = text(roster[k].name).starts_with("Veh ");
    EXPECT_EQ(roster[k].kind, vehicle ? SlotKind::vehicle : SlotKind::mech) << text(roster[k].name);
    vehicles += vehicle;
  }
  ASSERT_EQ(roster.length(), 108);
  EXPECT_GT(vehicles, 60) << "about four slots in five are vehicles";
  EXPECT_LT(vehicles, 108);

  // The same records, filled again without vehicles (battle armour: the test above).
  generateForce(choose("Davion", "Regement", "Random", "Random"), 77u);
  for (int k = 0; k < roster.length(); ++k) EXPECT_EQ(roster[k].kind, SlotKind::mech) << k;
}

}  // namespace
