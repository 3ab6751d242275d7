// SPDX-License-Identifier: MIT
// FillGroup: the composition die and rows, which roster slots a group writes, design
// picking from the faction and vehicle sections, and the battle-armour groups.
#include "generator/fill_group.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/apstring_stream.h"
#include "generator/generate.h"
#include "support/scripted_dice.h"
#include "support/table_files.h"

namespace {

class FillGroupTest : public testing::Test {
 protected:
  // Runs a generation that leaves the faction found and the roster sized for `groups`
  // groups, every slot marked "old", with the experience "Regular".
  void prepare(const char* faction, int groups, bool vehicles = false) {
    const bool clan = std::string(faction) == "Ghost Bear";
    ScriptedDice setup({
        {10, 0},
        {6,  0},
        {6,  0},
        {6,  5}
    });
    for (int k = 0; k < (clan ? 5 : 4); ++k)
      setup.then({
          {6, 0}
      });
    force =
        generateForce(tables, Selection{faction, "Lance", "", "Regular", vehicles}, setup.source());
    roster.resize(groups * groupSize());
    for (int k = 0; k < roster.length(); ++k) {
      roster[k].name = "old";
      roster[k].weightClass = "old";
    }
  }

  // The dice of the next FillGroup, which fills the prepared force.
  void useDice(DiceSource source) { dice = std::move(source); }
  void FillGroup(const char* groupWeight, int firstSlot) {
    ForceRun run(force, tables, dice);
    ::FillGroup(run, groupWeight, firstSlot);
  }
  int groupSize() const { return force.groupSize(); }

  std::vector<std::string> weights(int from, int count) const {
    std::vector<std::string> result;
    for (int k = from; k < from + count; ++k) result.push_back(roster[k].weightClass.c_str());
    return result;
  }

  const TableText tables = soundTableText();
  Force force;
  apvector<Mech>& roster = force.roster;
  DiceSource dice;
};

using Slots = std::vector<std::string>;

TEST_F(FillGroupTest, CompositionRowsIncludingTheIrregularOnes) {
  struct Case {
    const char* faction;
    const char* group;
    int die;
    Slots slots;
  };
  const Case cases[] = {
      {"Kurita",     "Light",   1, {"Light", "Light", "Light", "Light"}               },
      {"Kurita",     "Light",   3, {"Light", "Light", "Light", "Medium"}              },
      {"Kurita",     "Medium",  1, {"Light", "Medium", "Medium", "Heavy"}             },
      {"Kurita",     "Heavy",   3, {"Heavy", "Heavy", "Heavy", "Heavy"}               },
      {"Kurita",     "Heavy",   4, {"Medium", "Heavy", "Heavy", "Assault"}            },
      {"Kurita",     "Assault", 1, {"Heavy", "Heavy", "Assault", "Assault"}           },
      {"Kurita",     "Assault", 5, {"Heavy", "Assault", "Assault", "Assault"}         },
      {"Ghost Bear", "Light",   6, {"Light", "Light", "Medium", "Medium", "Heavy"}    },
      {"Ghost Bear", "Medium",  1, {"Light", "Medium", "Medium", "Medium", "Medium"}  },
      {"Ghost Bear", "Heavy",   5, {"Heavy", "Heavy", "Heavy", "Heavy", "Heavy"}      },
      {"Ghost Bear", "Heavy",   6, {"Medium", "Heavy", "Heavy", "Heavy", "Assault"}   },
      {"Ghost Bear", "Assault", 4, {"Heavy", "Heavy", "Heavy", "Assault", "Assault"}  },
      {"Ghost Bear", "Assault", 6, {"Heavy", "Heavy", "Assault", "Assault", "Assault"}},
  };
  for (const Case& c : cases) {
    prepare(c.faction, 1);
    ScriptedDice dice({
        {6, c.die - 1}
    });
    for (std::size_t k = 0; k < c.slots.size(); ++k) dice.then(entrySlot(2, 1));
    useDice(dice.source());
    FillGroup(c.group, 1);
    EXPECT_EQ(weights(0, groupSize()), c.slots) << c.faction << " " << c.group << " " << c.die;
  }
}

TEST_F(FillGroupTest, WritesOnlyItsOwnSlots) {
  prepare("Ghost Bear", 3);
  ScriptedDice star({
      {6, 4}
  });
  for (int k = 0; k < 5; ++k) star.then(entrySlot(2, 1));
  useDice(star.source());
  FillGroup("Heavy", 6);
  EXPECT_EQ(weights(4, 7), (Slots{"old", "Heavy", "Heavy", "Heavy", "Heavy", "Heavy", "old"}));

  prepare("Kurita", 3);
  ScriptedDice lance({
      {6, 0}
  });
  for (int k = 0; k < 4; ++k) lance.then(entrySlot(2, 1));
  useDice(lance.source());
  FillGroup("Light", 5);
  EXPECT_EQ(weights(3, 6), (Slots{"old", "Light", "Light", "Light", "Light", "old"}))
      << "a House group never writes a fifth slot";
}

TEST_F(FillGroupTest, UnknownGroupWeightDrawsOneDieAndWritesNoWeightClass) {
  for (const char* group : {"heavy", "Light ", "Elemental", "Battle Armor"}) {
    prepare("Kurita", 1);
    for (int k = 0; k < 4; ++k) roster[k].weightClass = "Medium";
    const bool armour = std::string(group) == "Elemental" || std::string(group) == "Battle Armor";
    ScriptedDice dice({
        {6, 0}
    });
    for (int k = 0; k < 4; ++k)
      dice.then(armour ? std::vector<Draw>{{6, 2}} : entrySlot(12, 3));
    useDice(dice.source());
    FillGroup(group, 1);
    EXPECT_EQ(weights(0, 4), Slots(4, "Medium")) << group;
    const char* name = std::string(group) == "Elemental"      ? "Elemental"
                       : std::string(group) == "Battle Armor" ? "Battle Suit"
                                                              : "Kur Medium 11";
    EXPECT_STREQ(roster[3].name.c_str(), name) << "slots keep their old class to look up";
    EXPECT_EQ(roster[3].piloting, '5');
  }
}

TEST_F(FillGroupTest, EntryRollTwoTakesTheFirstLineAndTwelveTheEleventh) {
  prepare("Kurita", 1);
  ScriptedDice dice({
      {6, 5},
      {6, 0},
      {6, 0},
      {6, 0},
      {6, 5},
      {6, 5},
      {6, 0}
  });
  dice.then(entrySlot(7, 1)).then(entrySlot(8, 1));
  useDice(dice.source());
  FillGroup("Assault", 1);
  EXPECT_STREQ(roster[0].name.c_str(), "Kur Assault 1");
  EXPECT_STREQ(roster[1].name.c_str(), "Kur Assault 11");
  EXPECT_STREQ(roster[2].name.c_str(), "Kur Assault 6");
  EXPECT_STREQ(roster[3].name.c_str(), "Kur Assault 7");
}

TEST_F(FillGroupTest, VehicleRollFivePicksTheFactionOneToFourAVehicle) {
  prepare("Kurita", 1, true);
  ScriptedDice dice({
      {6, 1}
  });  // Light lance, die 2: Light Light Light Medium
  const int vehicleRolls[] = {4, 0, 3, 2};
  for (int k = 0; k < 4; ++k)
    dice.then({
                  {5, vehicleRolls[k]}
    })
        .then(entrySlot(3 + k, 1));
  useDice(dice.source());
  FillGroup("Light", 1);
  EXPECT_STREQ(roster[0].name.c_str(), "Kur Light 2");
  EXPECT_STREQ(roster[1].name.c_str(), "Veh Light 3");
  EXPECT_STREQ(roster[2].name.c_str(), "Veh Light 4");
  EXPECT_STREQ(roster[3].name.c_str(), "Veh Medium 5") << "the slot's own class is looked up";
}

}  // namespace
