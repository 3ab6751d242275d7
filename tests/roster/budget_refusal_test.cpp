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
  force.budget = BudgetBand{
      NumberRange{points - 500, points + 500},
      {            }
  };
  rerollBudgetForce(force, tables, parseRerollItems("2"), &designs);
  EXPECT_EQ(force.rerolls.size(), 1u);
  EXPECT_TRUE(withinBand(force, *force.budget, designs));
}

}  // namespace
