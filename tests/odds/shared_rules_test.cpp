// SPDX-License-Identifier: MIT
// The odds and the draws share their rules: every rule table's rows are counted as they are
// drawn, the odds' slot weight classes are what the generator's composition rows give for each
// die, and the odds count the groups a force has.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "generator/generate.h"
#include "generator/rule_tables.h"
#include "odds/force_odds.h"
#include "support/table_files.h"

namespace {

// The part of `kind` in `report`, each row's item with its expected number.
std::map<std::string, Fraction> expectedIn(const OddsReport& report, OddsPartKind kind) {
  std::map<std::string, Fraction> expected;
  for (const OddsPart& part : report.parts) {
    for (const OddsRow& row : part.rows) {
      if (part.kind == kind) expected[row.item] = row.expected.value_or(Fraction());
    }
  }
  return expected;
}

// Dice that answer `second` to the run's second draw (a single group's composition die, after
// the faction roll) and 0 to every other.
DiceSource secondDrawIs(int second) {
  return [second, drawn = 0](int) mutable { return ++drawn == 2 ? second : 0; };
}

// Plays every way the dice that rollOn asks for can fall (learnt from the rolls it asks for, each
// face of each in turn) and expects each row reached as often as outcomesOf counts it.
template <class Row, class Accept = EveryRow>
void expectDrawnAsCounted(const char* name, const RuleTable<Row>& table, Roller who = {},
                          const Accept& accept = {}) {
  SCOPED_TRACE(name);
  std::map<const Row*, std::int64_t> drawn;
  std::vector<int> sides, faces;
  std::int64_t ways = 0;
  for (bool more = true; more;) {
    std::size_t next = 0;
    Dice dice([&](int n) {
      if (next == sides.size()) {
        sides.push_back(n);
        faces.push_back(0);
      }
      return faces[next++];
    });
    if (const Row* row = rollOn(table, dice, who, accept)) ++drawn[row];
    ++ways;
    std::size_t k = 0;
    while (k < faces.size() && ++faces[k] == sides[k]) faces[k++] = 0;
    more = k < faces.size();
  }
  std::map<const Row*, std::int64_t> counted;
  for (const RowOutcome<Row>& outcome : outcomesOf(table, who, accept)) {
    counted[outcome.row] = outcome.ways;
    EXPECT_EQ(outcome.outOf, ways);
  }
  EXPECT_EQ(counted, drawn);
}

TEST(SharedRules, EveryTableIsCountedAsItIsDrawn) {
  expectDrawnAsCounted("houses", kHouses);
  expectDrawnAsCounted("House sizes", kHouseSizes);
  expectDrawnAsCounted("Clan sizes", kClanSizes);
  expectDrawnAsCounted("weights", kWeights);
  expectDrawnAsCounted("experiences", kExperiences);
  expectDrawnAsCounted("two groups", kTwoGroups);
  expectDrawnAsCounted("three lances", kThreeLances);
  expectDrawnAsCounted("three stars", kThreeStars);
  expectDrawnAsCounted("vehicle roll", kVehicleRolls);
  for (const Roller who : {
           Roller{false, false},
           Roller{true,  false},
           Roller{true,  true }
  }) {
    for (const char* level : {"Green", "Regular", "Veteran", "Elite"})
      expectDrawnAsCounted(level, *crewSkillTable(level), who);
  }
  for (const char* word : {"Light", "Medium", "Heavy", "Assault", "Elemental"}) {
    const auto ofGroup = [word](const auto& row) { return std::string(word) == row.group; };
    expectDrawnAsCounted("lances", kLances, {}, ofGroup);
    expectDrawnAsCounted("stars", kStars, {}, ofGroup);
  }
}

TEST(SharedRules, SlotWeightOddsAreTheGeneratorsCompositionRows) {
  for (const auto& [faction, size] : {
           std::pair{"Kurita", "Lance"},
           std::pair{"Wolf",   "Star" }
  }) {
    for (const char* weight : kWeightHeadings) {
      std::map<std::string, Fraction> drawn;
      for (int die = 0; die < 6; ++die) {
        const Force force =
            generateForce(soundTableText(), {faction, size, weight, "Elite"}, secondDrawIs(die));
        for (int slot = 0; slot < force.roster.length(); ++slot)
          drawn[force.roster[slot].weightClass.c_str()] += Fraction(1, 6);
      }
      const OddsReport odds =
          computeOdds({faction, size, weight, "Elite", false}, soundTables(), "Tables.dat");
      EXPECT_EQ(expectedIn(odds, OddsPartKind::slotWeights), drawn) << faction << " " << weight;
    }
  }
}

TEST(SharedRules, GroupOddsCountTheGroupsOfEveryFormation) {
  const std::pair<const char*, const char*> units[] = {
      {"Kurita", "Company"  },
      {"Kurita", "Batallion"},
      {"Kurita", "Regement" },
      {"Wolf",   "Binary"   },
      {"Wolf",   "Cluster"  },
      {"Wolf",   "Galaxy"   },
  };
  for (const auto& [faction, size] : units) {
    const Force force = generateForce(soundTableText(), {faction, size, "Random", "Elite"}, 1);
    Fraction groups;
    const OddsReport odds =
        computeOdds({faction, size, "Random", "Elite", false}, soundTables(), "Tables.dat");
    for (const auto& [word, count] : expectedIn(odds, OddsPartKind::groupWeights)) groups += count;
    EXPECT_EQ(groups, Fraction(static_cast<std::int64_t>(force.groupWeights.size()))) << size;
    EXPECT_EQ(force.groupCount(), static_cast<int>(force.groupWeights.size())) << size;
  }
}

}  // namespace
