// SPDX-License-Identifier: MIT
// The formation step: how many groups a unit has, where each starts, which formation rolls
// are drawn and which weight class each group gets.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "generator/generate.h"
#include "support/scripted_dice.h"
#include "support/table_files.h"

namespace {

// A composition die for each group weight, and the slot classes that die gives.
struct Composition {
  int die;
  std::vector<std::string> slots;
};
const std::map<std::string, Composition> kLanceDice = {
    {"Light",   {1, {"Light", "Light", "Light", "Light"}}        },
    {"Medium",  {2, {"Medium", "Medium", "Medium", "Medium"}}    },
    {"Heavy",   {3, {"Heavy", "Heavy", "Heavy", "Heavy"}}        },
    {"Assault", {6, {"Assault", "Assault", "Assault", "Assault"}}}
};
const std::map<std::string, Composition> kStarDice = {
    {"Light",   {1, {"Light", "Light", "Light", "Light", "Light"}}      },
    {"Medium",  {3, {"Medium", "Medium", "Medium", "Medium", "Medium"}} },
    {"Heavy",   {5, {"Heavy", "Heavy", "Heavy", "Heavy", "Heavy"}}      },
    {"Assault", {6, {"Heavy", "Heavy", "Assault", "Assault", "Assault"}}}
};

struct Formation {
  const char* faction;
  const char* size;
  std::vector<std::vector<Draw>> formationRolls;  // one per block (or the two-group roll)
  std::vector<std::string> groupWeights;          // in slot order
};

// Runs the unit with the given formation rolls and checks every group's slots.
void expectFormation(const Formation& f) {
  SCOPED_TRACE(std::string(f.faction) + " " + f.size);
  const bool clan = std::string(f.faction) == "Wolf";
  const int slots = clan ? 5 : 4;
  const auto& dice = clan ? kStarDice : kLanceDice;
  const int groups = static_cast<int>(f.groupWeights.size());
  const int groupsPerRoll = groups == 1 ? 1 : groups == 2 ? 2 : 3;

  ScriptedDice script({
      {10, 0}
  });
  for (int g = 0; g < groups; ++g) {
    if (g % groupsPerRoll == 0 && groups > 1) script.then(f.formationRolls.at(g / groupsPerRoll));
    script.then({
        {6, dice.at(f.groupWeights[g]).die - 1}
    });
    for (int k = 0; k < slots; ++k) script.then(entrySlot(2, 1));
  }
  const Force force = generateForce(
      soundTableText(), Selection{f.faction, f.size, "Heavy", "Regular"}, script.source());

  ASSERT_EQ(force.roster.length(), groups * slots) << "the groups fill the roster exactly";
  for (int g = 0; g < groups; ++g) {
    const std::vector<std::string>& expected = dice.at(f.groupWeights[g]).slots;
    for (int k = 0; k < slots; ++k) {
      const int slot = g * slots + k;
      EXPECT_EQ(force.roster[slot].weightClass.c_str(), expected[k]) << "slot " << slot + 1;
      EXPECT_EQ(force.groupWeights.at(g).c_str(), f.groupWeights[g]) << "group " << g + 1;
      EXPECT_EQ(force.roster[slot].name.c_str(),
                std::string(f.faction).substr(0, 3) + " " + expected[k] + " 1")
          << "slot " << slot + 1;
    }
  }
}

TEST(FormationTest, OneGroupTakesTheSelectedWeightWithoutARoll) {
  expectFormation({"Kurita", "Lance", {}, {"Heavy"}});
  expectFormation({"Wolf", "Star", {}, {"Heavy"}});
}

TEST(FormationTest, TwoGroupTableRows) {
  struct Row {
    const char* faction;
    int total;
    const char* first;
    const char* second;
  };
  const Row rows[] = {
      {"Wolf",   7,  "Light",   "Medium" },
      {"Kurita", 9,  "Heavy",   "Assault"},
      {"Kurita", 2,  "Light",   "Light"  },
      {"Wolf",   4,  "Light",   "Light"  },
      {"Wolf",   5,  "Medium",  "Medium" },
      {"Kurita", 8,  "Medium",  "Heavy"  },
      {"Kurita", 11, "Heavy",   "Heavy"  },
      {"Wolf",   12, "Assault", "Assault"},
  };
  for (const Row& row : rows) {
    const std::vector<std::vector<Draw>> roll{twoDice(row.total)};
    expectFormation(Formation{
        row.faction, "Binary", roll, {row.first, row.second}
    });
  }
}

TEST(FormationTest, ThreeLanceTableRowsOneBlockPerCompany) {
  const std::vector<std::vector<std::string>> rows = {
      {"Light",  "Medium", "Medium" },
      {"Light",  "Medium", "Heavy"  },
      {"Medium", "Medium", "Heavy"  },
      {"Light",  "Heavy",  "Heavy"  },
      {"Heavy",  "Heavy",  "Heavy"  },
      {"Heavy",  "Heavy",  "Assault"}
  };
  for (int die = 1; die <= 6; ++die) {
    expectFormation({"Kurita", "Company", {{{6, die - 1}}}, rows[die - 1]});
  }
}

TEST(FormationTest, ThreeStarTableRowsAtTheirBoundaries) {
  const std::pair<int, std::vector<std::string>> rows[] = {
      {2,  {"Light", "Light", "Light"}   },
      {4,  {"Light", "Light", "Light"}   },
      {5,  {"Light", "Medium", "Heavy"}  },
      {6,  {"Light", "Medium", "Heavy"}  },
      {7,  {"Light", "Light", "Heavy"}   },
      {8,  {"Light", "Heavy", "Assault"} },
      {9,  {"Heavy", "Heavy", "Assault"} },
      {10, {"Medium", "Heavy", "Assault"}},
      {11, {"Medium", "Heavy", "Assault"}},
      {12, {"Heavy", "Heavy", "Heavy"}   }
  };
  for (const auto& [total, weights] : rows) {
    expectFormation({"Wolf", "Trinary", {twoDice(total)}, weights});
  }
}

TEST(FormationTest, LargeUnitsAreBlocksOfThreeEachWithItsOwnRoll) {
  expectFormation({
      "Kurita",
      "Batallion",
      {{{6, 0}}, {{6, 4}}, {{6, 5}}},
      { "Light", "Medium", "Medium", "Heavy", "Heavy", "Heavy", "Heavy", "Heavy", "Assault"}
  });
  expectFormation({
      "Wolf",
      "Cluster",
      {twoDice(2), twoDice(5), twoDice(8), twoDice(12)},
      { "Light", "Light", "Light", "Light", "Medium", "Heavy", "Light", "Heavy", "Assault", "Heavy",
        "Heavy", "Heavy"}
  });

  Formation regiment{"Kurita", "Regement", {}, {}};
  const std::vector<std::vector<std::string>> lanceRows = {
      {"Light",  "Medium", "Medium" },
      {"Light",  "Medium", "Heavy"  },
      {"Medium", "Medium", "Heavy"  },
      {"Light",  "Heavy",  "Heavy"  },
      {"Heavy",  "Heavy",  "Heavy"  },
      {"Heavy",  "Heavy",  "Assault"}
  };
  for (int block = 0; block < 9; ++block) {
    regiment.formationRolls.push_back({
        {6, block % 6}
    });
    for (const std::string& w : lanceRows[block % 6]) regiment.groupWeights.push_back(w);
  }
  expectFormation(regiment);

  Formation galaxy{"Wolf", "Galaxy", {}, {}};
  for (int block = 0; block < 16; ++block) {
    const bool heavy = block % 2 == 0;
    galaxy.formationRolls.push_back(twoDice(heavy ? 12 : 2));
    for (int g = 0; g < 3; ++g) galaxy.groupWeights.push_back(heavy ? "Heavy" : "Light");
  }
  expectFormation(galaxy);
}

}  // namespace
