// SPDX-License-Identifier: MIT
// A re-roll whose group or slot cannot bring its force into the band, whatever it draws, is
// refused before any try with what the force's totals could become; one that can is made.
#include <gtest/gtest.h>

#include <string>

#include "generator/budget_draw.h"
#include "generator/generate.h"
#include "roster/budget_words.h"
#include "support/file_bytes.h"
#include "support/table_files.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

namespace {

TEST(BudgetRefusal, ARerollThatCannotReachTheBandIsRefusedBeforeAnyTry) {
  const TableText tables{bytesOf(SHIPPED_TABLES), SHIPPED_TABLES};
  const DesignList designs = readDesignListFile(SHIPPED_DESIGNS, {}, UnknownNames::quiet).list;
  const Force drawn = generateForce(tables, Selection{"Davion", "Company", "", ""}, 9u);
  const std::int64_t points = budgetTotals(drawn, designs).points;
  // No lance adds 40,000 points, and no slot takes 9,000 away.
  const struct {
    NumberRange band;
    const char* reroll;
  } refused[] = {
      {{points + 40000, points + 41000}, "2"  },
      {{0, points - 9000},               "1.3"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.reroll);
    Force force = drawn;
    force.budget = BudgetBand{c.band, {}};
    try {
      rerollBudgetForce(force, tables, parseRerollItems(c.reroll), &designs);
      ADD_FAILURE() << "the re-roll was made";
    } catch (const BudgetRefusal& refusal) {
      EXPECT_EQ(std::string(refusal.what())
                    .find("re-roll " + std::string(c.reroll) +
                          ": whatever it draws, the force's totals stay "
                          "within "),
                0u)
          << refusal.what();
    }
    EXPECT_TRUE(force.rerolls.empty());
  }
  // A band the lance can bring the force into takes the tries.
  Force force = drawn;
  force.budget = BudgetBand{};
  force.budget->points = NumberRange{points - 500, points + 500};
  rerollBudgetForce(force, tables, parseRerollItems("2"), &designs);
  EXPECT_EQ(force.rerolls.size(), 1u);
  EXPECT_TRUE(withinBand(force, *force.budget, designs));
}

// A band in points with crew skill: the part's crews are drawn again with it, so a slot of a
// battle-armour group, whose design stays, is refused only where no crew reaches the band; and
// no band in them is tried without a skill table.
TEST(BudgetRefusal, ARerollWithinPointsWithCrewSkillCountsTheCrewsItDraws) {
  const TableText tables{bytesOf(SHIPPED_TABLES), SHIPPED_TABLES};
  const DesignList designs = readDesignListFile(SHIPPED_DESIGNS, {}, UnknownNames::quiet).list;
  const SkillTable skills = readSkillTableFile(SHIPPED_SKILLS, {}).table;
  // A Star of battle armour, and its group.
  Force drawn;
  std::string group;
  for (std::uint32_t seed = 1; group.empty() && seed < 1000; ++seed) {
    drawn = generateForce(tables, Selection{"Wolf", "Star", "Random", "Random"}, seed);
    for (int k = 0; k < drawn.roster.length() && group.empty(); ++k)
      if (drawn.roster[k].kind == SlotKind::battleArmour)
        group = std::to_string(k / drawn.groupSize() + 1);
  }
  ASSERT_FALSE(group.empty()) << "no Star of battle armour";
  const std::int64_t total = budgetTotals(drawn, designs, &skills).skillPoints;
  const struct {
    std::int64_t low, high;
    const char* reroll;
    bool refused;
  } cases[] = {
      {total + 40000, total + 41000, "",   true },
      {0,             total - 9000,  ".2", true },
      {total,         total,         ".2", false},
  };
  for (const auto& c : cases) {
    const std::string reroll = group + c.reroll;
    SCOPED_TRACE(reroll);
    Force force = drawn;
    force.budget = BudgetBand{};
    force.budget->skillPoints = NumberRange{c.low, c.high};
    try {
      rerollBudgetForce(force, tables, parseRerollItems(reroll), &designs, &skills);
      EXPECT_FALSE(c.refused) << "the re-roll was made";
      EXPECT_TRUE(withinBand(force, *force.budget, designs, &skills));
    } catch (const BudgetRefusal& refusal) {
      EXPECT_TRUE(c.refused) << refusal.what();
      EXPECT_NE(std::string(refusal.what()).find("points with crew skill, outside"),
                std::string::npos)
          << refusal.what();
    }
  }
  Force force = drawn;
  force.budget = BudgetBand{};
  force.budget->skillPoints = NumberRange{0, total};
  EXPECT_THROW(rerollBudgetForce(force, tables, parseRerollItems(group), &designs, nullptr),
               BudgetRefusal);
}

}  // namespace
