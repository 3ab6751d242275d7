// SPDX-License-Identifier: MIT
// A fair fight: the band's rounding at its edges, the opposing force drawn on dice no first
// force touches (each try and each re-roll on a stream of its own), the first force left as it
// is drawn alone, the balance line, and the first forces that cannot be matched.
#include <gtest/gtest.h>

#include <string>

#include "generator/balance_band.h"
#include "generator/generate.h"
#include "roster/budget_words.h"
#include "roster/force_model.h"
#include "roster/force_pair.h"
#include "roster/listing.h"
#include "support/file_bytes.h"
#include "support/table_files.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

namespace {

TEST(BalanceBand, RoundsTheLowEndDownAndTheHighEndUp) {
  const struct {
    std::int64_t total;
    int handicap, tolerance;
    NumberRange band;
  } cases[] = {
      {15102, 100, 5,  {14346, 15858}}, // 14,346.9 and 15,857.1
      {200,   100, 5,  {190, 210}    }, // exact at both ends
      {1,     100, 5,  {0, 2}        },
      {333,   150, 50, {249, 750}    }, // 249.75 and 749.25
      {4000,  10,  0,  {400, 400}    },
      {3850,  100, 5,  {3657, 4043}  }, // 38.5 tons in hundredths: 36.575 and 40.425
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.total);
    EXPECT_EQ(balanceRange(c.total, c.handicap, c.tolerance), c.band);
  }
}

TEST(BalanceBand, TheLineSaysSideBAgainstSideAWithThePercentRoundedHalfUp) {
  const struct {
    Balance balance;
    const char* line;
  } cases[] = {
      {{Measure::skillPoints, 15102, 14870, {14346, 15858}, 100, 5, false},
       "Balance: 14,870 against 15,102 points with crew skill (98.5 %; band 14,346\u201315,858)"  },
      {{Measure::points, 16, 1, {0, 2}, 100, 5, true},
       "Balance: 1 against 16 points (6.3 %; band 0\u20132); outside the band of side A's total "
       "now"                                                                                      },
      {{Measure::tons, 3850, 3800, {3657, 4043}, 100, 5, false},
       "Balance: 38 against 38.5 tons (98.7 %; band 36.57\u201340.43)"                            },
      {{Measure::points, 3, 2, {0, 5}, 100, 50, false},
       "Balance: 2 against 3 points (66.7 %; band 0\u20135)"                                      },
      {{Measure::points, 0, 120, {100, 200}, 100, 5, true},
       "Balance: 120 against 0 points (band 100\u2013200); outside the band of side A's total now"},
  };
  for (const auto& c : cases) EXPECT_EQ(balanceLine(c.balance), c.line);
}

class ForcePairTest : public ::testing::Test {
 protected:
  const TableText tables{bytesOf(SHIPPED_TABLES), SHIPPED_TABLES};
  const DesignList designs = readDesignListFile(SHIPPED_DESIGNS, {}, UnknownNames::quiet).list;
  const SkillTable skills = readSkillTableFile(SHIPPED_SKILLS, {}).table;
  const Selection davion{"Davion", "Company", "Random", "Random"};
  const OpponentRequest wolf{
      Selection{"Wolf", "Random", "Random", "Random"}
  };
};

// The refusal `draw` throws; "" for none.
template <typename Draw>
std::string refusalOf(Draw draw) {
  try {
    draw();
  } catch (const BudgetRefusal& refusal) {
    return refusal.what();
  }
  return "";
}

// The first try of `draw` on the dice seed_seq{seed, stream, j, 2} that lies within `band`.
template <typename Draw>
Force firstWithin(Draw draw, std::uint32_t seed, std::uint32_t stream, const BudgetBand& band,
                  const DesignList& designs, const SkillTable& skills) {
  for (std::uint32_t j = 0; j < kBudgetTries; ++j) {
    Force force = draw(sequenceDice({seed, stream, j, 2}));
    if (withinBand(force, band, designs, &skills)) return force;
  }
  ADD_FAILURE() << "no try within the band";
  return {};
}

TEST_F(ForcePairTest, SideBRollsItsOwnStreamsAndSideAIsDrawnAsAlone) {
  for (std::uint32_t seed : {7u, 8u, 11u}) {
    SCOPED_TRACE(seed);
    OpponentRequest request = wolf;
    request.rerolls = parseRerollItems("1,1.3");
    const Force drawn = generateForce(tables, davion, seed);
    const ForcePair pair =
        matchForce(drawn, parseRerollItems("1"), request, tables, seed, designs, &skills);
    Force alone = drawn;
    rerollForce(alone, tables, parseRerollItems("1"));
    EXPECT_EQ(listForce(pair.sideA), listForce(alone));

    const BudgetBand band =
        measureBand(Measure::skillPoints,
                    balanceRange(budgetTotals(drawn, designs, &skills).skillPoints, 100, 5));
    EXPECT_EQ(pair.sideB.budget, band);
    Force expected =
        firstWithin([&](DiceSource dice) { return generateForce(tables, request.choices, dice); },
                    seed, 0, band, designs, skills);
    std::uint32_t stream = 1;
    for (const Reroll reroll : {
             Reroll{1, 0},
             Reroll{1, 3}
    })
      expected = firstWithin(
          [&](DiceSource dice) {
            Force tried = expected;
            rerollForce(tried, tables, reroll, dice);
            return tried;
          },
          seed, stream++, band, designs, skills);
    EXPECT_EQ(listForce(pair.sideB), listForce(expected));

    // Side A's re-rolls leave side B as it is.
    const ForcePair unrolled = matchForce(drawn, {}, request, tables, seed, designs, &skills);
    EXPECT_EQ(listForce(unrolled.sideB), listForce(pair.sideB));
    EXPECT_EQ(seedCaption(pair.sideB)
                  .rfind("Opposing force \u00b7 Seed: " + std::to_string(seed) +
                             " \u00b7 re-rolled 1, 1.3 \u00b7 band ",
                         0),
              0u)
        << seedCaption(pair.sideB);
  }
}

TEST_F(ForcePairTest, FirstForcesThatCannotBeMatchedAreRefused) {
  const Force drawn = generateForce(tables, davion, 7u);
  const std::string first = drawn.roster[0].name.c_str();
  const DesignList without = readDesignList("design,tons,points\n" + first + ",50,\n", "few.csv",
                                            "few", {}, UnknownNames::quiet)
                                 .list;
  const DesignList zero = readDesignList("design,tons,points\n" + first + ",50,0\n", "zero.csv",
                                         "zero", {}, UnknownNames::quiet)
                              .list;
  OpponentRequest byPoints = wolf;
  byPoints.measure = Measure::points;
  Force lone = drawn;
  for (int k = 1; k < lone.roster.length(); ++k) lone.roster[k].kind = SlotKind::open;
  const struct {
    const Force& force;
    const DesignList& list;
    const char* says;
  } cases[] = {
      {drawn, without, "lacks them for "                    },
      {lone,  zero,    "total is 0 points: there is nothing"},
  };
  for (const auto& c : cases)
    EXPECT_NE(refusalOf([&] {
                matchForce(c.force, {}, byPoints, tables, 7u, c.list, &skills);
              }).find(c.says),
              std::string::npos);
}

// A front end's cursor on a pair's listing: each line to its side and group or slot, the heading
// lines, the lines between the sides and the balance line to none.
TEST_F(ForcePairTest, EachLineOfAPairsListingMapsToItsSideGroupAndSlot) {
  const Force lance = generateForce(tables, Selection{"Davion", "Lance", "Random", "Random"}, 3u);
  const Force star = generateForce(tables, Selection{"Wolf", "Star", "Random", "Random"}, 4u);
  const std::vector<apstring> lines =
      listPair(lance, {"", "Total"}, star, {"", "Total"}, "Balance: 1 against 1 points");
  ASSERT_EQ(lines.size(), 9u + 2 + 2 + 10 + 2 + 2);
  const struct {
    int line;
    std::optional<PairLine> at;
  } cases[] = {
      {-1, std::nullopt             },
      {3,  std::nullopt             },
      {4,  PairLine{Side::a, {1, 0}}},
      {8,  PairLine{Side::a, {1, 4}}},
      {9,  std::nullopt             },
      {12, std::nullopt             },
      {16, std::nullopt             },
      {17, PairLine{Side::b, {1, 0}}},
      {22, PairLine{Side::b, {1, 5}}},
      {23, std::nullopt             },
      {26, std::nullopt             },
  };
  for (const auto& c : cases) EXPECT_EQ(pairLineAt(c.line, lance, star, 2), c.at) << c.line;
}

// The model holds the pair in each step: the first force as drawn alone, either side rolled
// again with one undo history, and the record drawing the same pair again.
TEST_F(ForcePairTest, TheModelHoldsThePairWithOneUndoHistory) {
  ForceModel alone, paired;
  for (ForceModel* model : {&alone, &paired})
    static_cast<void>(model->useTables({bytesOf(SHIPPED_TABLES), SHIPPED_TABLES}));
  paired.setOpponent(wolf);
  const ForceView first = alone.generate(davion, "7", "2");
  const ForceView drawn = paired.generate(davion, "7", "2");
  ASSERT_TRUE(drawn.drew()) << drawn.error;
  ASSERT_NE(drawn.opponent, nullptr);
  EXPECT_EQ(drawn.listing, first.listing);
  const std::string opponent = drawn.opponentListing, balance = drawn.balance;
  EXPECT_EQ(balance.rfind("Balance: ", 0), 0u) << balance;
  const ForceView rolled = paired.reroll(RerollKind::group, {1, 0}, Side::b);
  ASSERT_TRUE(rolled.drew()) << rolled.error;
  EXPECT_EQ(rolled.listing, first.listing);
  EXPECT_EQ(rolled.opponent->rerolls, (std::vector<Reroll>{
                                          {1, 0}
  }));
  const std::optional<ForceRecord> record = paired.shownRecord();
  const std::string rolledOpponent = rolled.opponentListing;
  paired.placeStep(1);
  const ForceView undone = paired.undoTo(0);
  EXPECT_EQ(undone.opponentListing, opponent);
  EXPECT_EQ(undone.balance, balance);
  EXPECT_EQ(paired.reroll(RerollKind::group, {1, 0}).opponentListing, opponent);
  ASSERT_TRUE(record && record->opponent);
  EXPECT_EQ(record->opponentRerolls, "1");
  EXPECT_EQ(alone.redraw(*record).opponentListing, rolledOpponent);
}

// The opposing force's band lists the reachable totals only after its tries give up, and then
// refuses as a budget does; a band holding no multiple of the step is refused at once.
TEST_F(ForcePairTest, AnEmptyBandOfTheOpposingForceIsRefusedAsABudgetIs) {
  const struct {
    BudgetBand band;
    const char* says;
  } cases[] = {
      {{NumberRange{8565, 8585}, {}},
       "the nearest totals they reach are 8,564 points and 8,586 points"                },
      {{{}, NumberRange{70100, 70400}}, "every total they reach is a multiple of 5 tons"},
  };
  for (const auto& c : cases)
    EXPECT_NE(refusalOf([&] {
                drawBudgetForce(tables, davion, 7u, c.band, designs, nullptr, nullptr, Side::b);
              }).find(c.says),
              std::string::npos);
}

}  // namespace
