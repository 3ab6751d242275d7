// SPDX-License-Identifier: MIT
// The budget's odds against brute force. On a table file whose every table holds two designs,
// every composition die and every way each slot's draws can fall are played through the
// generator itself; a unit's groups are combined by exact convolution over every formation
// roll. The band's chance, the lowest and highest totals and the mean that the budget's odds give
// must be the brute force's. With a skill table, each slot's crew die is played through too,
// and a Random experience is one choice for the whole force.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "generator/generate.h"
#include "odds/budget_odds.h"
#include "odds/rule_outcomes.h"
#include "support/scripted_dice.h"
#include "support/two_design_tables.h"

namespace {

struct Total {
  std::int64_t points = 0, tons = 0, skill = 0;
  auto operator<=>(const Total&) const = default;
};
// Every total a force can have, with its chance.
using Spread = std::map<Total, Fraction>;

Spread convolved(const Spread& a, const Spread& b) {
  Spread sum;
  for (const auto& [x, p] : a)
    for (const auto& [y, q] : b)
      sum[{x.points + y.points, x.tons + y.tons, x.skill + y.skill}] += p * q;
  return sum;
}

// A crafted skill table: each crew the rule tables roll gets its own percent, none of them 100.
SkillTable craftedSkills() {
  std::string csv = "piloting,gunnery,percent\n";
  for (int piloting = 1; piloting <= 7; ++piloting)
    for (int gunnery = 1; gunnery <= 7; ++gunnery)
      csv += std::to_string(piloting) + "," + std::to_string(gunnery) + "," +
             std::to_string(40 + 17 * (7 - piloting) + 29 * (7 - gunnery)) + "\n";
  return readSkillTable(csv, "crafted.csv", "crafted", {}).table;
}

// Rolls of `sides` answered with `faces`, in order.
std::vector<Draw> rolls(int sides, std::initializer_list<int> faces) {
  std::vector<Draw> draws;
  for (const int face : faces) draws.push_back({sides, face});
  return draws;
}

class BruteForce {
 public:
  BruteForce(const char* faction, bool vehicles, const char* experience = "Regular",
             const SkillTable* skills = nullptr)
      : faction_(faction), vehicles_(vehicles), experience_(experience), skills_(skills) {}

  // A single group of weight `weight`, or a Binary laid out by each of the 36 two-group rolls.
  Spread force(const std::string& size, const char* weight) {
    if (size != "Binary") return group(weight);
    Spread spread;
    for (int roll = 0; roll < 36; ++roll) {
      ScriptedDice dice(rolls(10, {0}));
      dice.then(rolls(6, {roll / 6, roll % 6})).then(zeroGroup(5)).then(zeroGroup(5));
      const Force laidOut = drawn("Binary", weight, dice);
      const Spread both = convolved(group(laidOut.groupWeights.at(0).c_str()),
                                    group(laidOut.groupWeights.at(1).c_str()));
      for (const auto& [total, chance] : both) spread[total] += chance * Fraction(1, 36);
    }
    return spread;
  }

  // For each composition die, the chance of each design and crew in each slot, for every way its
  // vehicle roll (with vehicles), its two entry rolls and (with a skill table) its skill die
  // fall, the slots independent of each other.
  using SlotDesigns = std::vector<std::map<std::tuple<std::string, char, char>, Fraction>>;
  std::vector<SlotDesigns> slotDesigns(const std::string& weight) {
    const int slots = std::string(faction_) == "Wolf" ? 5 : 4;
    const int crews = skills_ ? 6 : 1;
    const int ways = (vehicles_ ? 180 : 36) * crews;
    std::vector<SlotDesigns> dice;
    for (int die = 0; die < 6; ++die) {
      SlotDesigns designs(static_cast<std::size_t>(slots));
      for (int way = 0; way < ways; ++way) {
        ScriptedDice dice(rolls(10, {0}));
        dice.then(rolls(6, {die}));
        const int entry = way / crews;
        for (int k = 0; k < slots; ++k) {
          if (vehicles_) dice.then(rolls(5, {entry / 36}));
          dice.then(rolls(6, {entry % 36 / 6, entry % 6, way % crews}));
        }
        const Force force = drawn(slots == 5 ? "Star" : "Lance", weight.c_str(), dice);
        for (int k = 0; k < slots; ++k) {
          const Mech& slot = force.roster[k];
          designs[k][{slot.name.c_str(), slot.piloting, slot.gunnery}] += Fraction(1, ways);
        }
      }
      dice.push_back(designs);
    }
    return dice;
  }

  const DesignList& list() const { return list_; }

 private:
  Force drawn(const char* size, const char* weight, const ScriptedDice& dice) {
    return generateForce(tables_, Selection{faction_, size, weight, experience_, vehicles_},
                         dice.source());
  }

  // Every composition die; for each, the design and crew each slot takes.
  Spread group(const std::string& weight) {
    if (const auto known = groups_.find(weight); known != groups_.end()) return known->second;
    Spread spread;
    for (const SlotDesigns& designs : slotDesigns(weight)) {
      Spread composed;
      composed[Total{}] = Fraction(1, 6);
      for (const auto& slot : designs) {
        Spread one;
        for (const auto& [drawn, chance] : slot) {
          const auto& [name, piloting, gunnery] = drawn;
          const DesignNumbers* numbers = list_.find(name);
          const std::int64_t skill =
              skills_ ? skills_->pointsOf(numbers->points, piloting, gunnery).value_or(0) : 0;
          one[{numbers->points.value_or(0), numbers->tonsHundredths.value_or(0), skill}] += chance;
        }
        composed = convolved(composed, one);
      }
      for (const auto& [total, chance] : composed) spread[total] += chance;
    }
    return groups_[weight] = spread;
  }

  const char* faction_;
  bool vehicles_;
  const char* experience_;
  const SkillTable* skills_;
  const TableText tables_{twoDesignTables(), "two"};
  const DesignList list_ = twoDesignList();
  std::map<std::string, Spread> groups_;
};

TEST(BudgetOdds, BandChanceReachAndMeanAreTheBruteForcesOnes) {
  // clang-format off
  const struct { const char *faction, *size, *weight; bool vehicles; } cases[] = {
      {"Kurita", "Lance", "Medium", false}, {"Wolf", "Star", "Heavy", false},
      {"Wolf", "Star", "Heavy", true}, {"Wolf", "Binary", "Random", false}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.faction) + " " + c.size + (c.vehicles ? " with vehicles" : ""));
    const Spread spread = BruteForce(c.faction, c.vehicles).force(c.size, c.weight);
    Total lowest = spread.begin()->first, highest = lowest;
    Fraction pointsMean, tonsMean, inBand;
    for (const auto& [total, chance] : spread) {
      lowest = {std::min(lowest.points, total.points), std::min(lowest.tons, total.tons)};
      highest = {std::max(highest.points, total.points), std::max(highest.tons, total.tons)};
      pointsMean += chance * Fraction(total.points);
      tonsMean += chance * Fraction(total.tons);
    }
    // The band between the totals a third and two thirds of the way through the spread, each on
    // two of its edges: every edge counts.
    const Total first = std::next(spread.begin(), std::ssize(spread) / 3)->first;
    const Total corner = std::next(spread.begin(), 2 * std::ssize(spread) / 3)->first;
    const NumberRange points{first.points, corner.points};
    const NumberRange tons{std::min(first.tons, corner.tons), std::max(first.tons, corner.tons)};
    const BudgetBand band{points, tons};
    for (const auto& [total, chance] : spread)
      if (points.holds(total.points) && tons.holds(total.tons)) inBand += chance;
    ASSERT_TRUE(inBand != Fraction(0) && inBand != Fraction(1)) << inBand.text();

    const Selection choices{c.faction, c.size, c.weight, "Regular", c.vehicles};
    const DesignList list = twoDesignList();
    const BudgetReach reach = budgetReach(choices, twoDesignTables(), "two", list, band);
    EXPECT_EQ((Total{reach.points.lowest, reach.tonsHundredths.lowest}), lowest);
    EXPECT_EQ((Total{reach.points.highest, reach.tonsHundredths.highest}), highest);
    EXPECT_NEAR(reach.points.mean, pointsMean.value(), 1e-9 * pointsMean.value());
    EXPECT_NEAR(reach.tonsHundredths.mean, tonsMean.value(), 1e-9 * tonsMean.value());
    const BandChance chance = bandChance(choices, twoDesignTables(), "two", list, band);
    ASSERT_TRUE(chance.counted);
    // A single group's chance is an exact fraction; a unit's comes through a transform.
    if (std::string(c.size) != "Binary") {
      EXPECT_EQ(chance.exact.value_or(0).text(), inBand.text());
    }
    EXPECT_NEAR(chance.value, inBand.value(), 1e-12);

    // The totals listed without their chances: the band is reached; one between two multiples
    // of the points' step holds none; one past either end names the nearest total reached.
    const auto support = [&](const BudgetBand& asked) {
      return bandSupport(choices, twoDesignTables(), "two", list, asked);
    };
    const BandSupport within = support(band);
    EXPECT_TRUE(within.counted && within.reached && within.holdsSteps);
    EXPECT_EQ(within.pointsStep, 50);
    const BandSupport between = support({
        NumberRange{first.points + 1, first.points + 49},
        {                }
    });
    EXPECT_FALSE(between.holdsSteps);
    EXPECT_FALSE(between.reached);
    const BandSupport above = support({
        NumberRange{highest.points + 1, highest.points + 500},
        {                  }
    });
    EXPECT_FALSE(above.reached);
    EXPECT_EQ(above.below, highest.points);
    EXPECT_EQ(above.above, std::nullopt);
    const BandSupport below = support({
        {               },
        NumberRange{ 0, lowest.tons - 1}
    });
    EXPECT_EQ(below.below, std::nullopt);
    EXPECT_EQ(below.above, lowest.tons);
    // Points of the lowest total with tons of the highest lie in no force.
    const BandSupport apart = support({
        NumberRange{0,            lowest.points},
        NumberRange{highest.tons, highest.tons }
    });
    EXPECT_TRUE(apart.counted && apart.holdsSteps);
    EXPECT_FALSE(apart.reached);
  }
}

// The points with crew skill of a lance and a star of a Random experience: the experience is
// rolled once a force, so the force's spread is the mix of each experience's whole spread.
TEST(BudgetOdds, ABandInPointsWithCrewSkillIsTheEnumerationsForALanceAndAStar) {
  const SkillTable skills = craftedSkills();
  const DesignList list = twoDesignList();
  for (const auto& [faction, size] : {
           std::pair{"Kurita", "Lance"},
           {"Wolf",   "Star" }
  }) {
    SCOPED_TRACE(faction);
    Spread spread;
    const Tally<std::string> experiences = experienceOutcomes("Random");
    for (const auto& [experience, chance] : experiences.entries())
      for (const auto& [total, p] :
           BruteForce(faction, false, experience.c_str(), &skills).force(size, "Medium"))
        spread[{0, 0, total.skill}] += p * chance;
    Fraction mean;
    for (const auto& [total, chance] : spread) mean += chance * Fraction(total.skill);
    const std::int64_t low = std::next(spread.begin(), std::ssize(spread) / 3)->first.skill;
    const std::int64_t high = std::next(spread.begin(), 2 * std::ssize(spread) / 3)->first.skill;
    Fraction inBand, withinSum;
    for (const auto& [total, chance] : spread)
      if (low <= total.skill && total.skill <= high) {
        inBand += chance;
        withinSum += chance * Fraction(total.skill);
      }

    const Selection choices{faction, size, "Medium", "Random", false};
    BudgetBand band;
    band.skillPoints = NumberRange{low, high};
    const BudgetReach reach = budgetReach(choices, twoDesignTables(), "two", list, band, &skills);
    EXPECT_EQ(reach.skillPoints.lowest, spread.begin()->first.skill);
    EXPECT_EQ(reach.skillPoints.highest, spread.rbegin()->first.skill);
    EXPECT_NEAR(reach.skillPoints.mean, mean.value(), 1e-9 * mean.value());
    EXPECT_TRUE(reach.lackingCrews.empty());
    EXPECT_EQ(expectedSkillPoints(choices, twoDesignTables(), "two", list, skills).text(),
              mean.text());
    const BandChance chance = bandChance(choices, twoDesignTables(), "two", list, band, &skills);
    ASSERT_TRUE(chance.exact);
    EXPECT_EQ(chance.exact->text(), inBand.text());
    // The figures within the band: its ends are totals the spread reaches.
    const std::optional<WithinBand> within =
        exactWithinBand(choices, twoDesignTables(), "two", list, band, &skills);
    ASSERT_TRUE(within);
    EXPECT_EQ(within->skillPoints.lowest, low);
    EXPECT_EQ(within->skillPoints.highest, high);
    EXPECT_NEAR(within->skillPoints.mean, (withinSum / inBand).value(), 1e-9 * high);
    // The totals listed without their chances: a band in a gap between two totals reached names
    // both.
    const auto gap = std::adjacent_find(spread.begin(), spread.end(), [](auto& a, auto& b) {
      return b.first.skill > a.first.skill + 1;
    });
    ASSERT_NE(gap, spread.end());
    BudgetBand between;
    between.skillPoints = NumberRange{gap->first.skill + 1, std::next(gap)->first.skill - 1};
    const BandSupport support =
        bandSupport(choices, twoDesignTables(), "two", list, between, &skills);
    EXPECT_TRUE(support.counted && !support.reached);
    EXPECT_EQ(support.below, gap->first.skill);
    EXPECT_EQ(support.above, std::next(gap)->first.skill);
    EXPECT_TRUE(bandSupport(choices, twoDesignTables(), "two", list, band, &skills).reached);
  }
}

// A crew the skill table lacks is named, for a band that needs it.
TEST(BudgetOdds, CrewsTheSkillTableLacksAreNamed) {
  const SkillTable skills =
      readSkillTable("piloting,gunnery,percent\n5,4,100\n", "few.csv", "few", {}).table;
  BudgetBand band;
  band.skillPoints = NumberRange{0, 100000};
  const BudgetReach reach = budgetReach({"Kurita", "Lance", "Medium", "Regular", false},
                                        twoDesignTables(), "two", twoDesignList(), band, &skills);
  EXPECT_EQ(reach.lackingCrews, (std::vector<CrewPair>{
                                    {4, 3},
                                    {6, 4}
  }));
}

// The figures within a band of one lance against every way its composition die and its slots'
// designs fall: the lowest, highest and mean totals and each design's share of the slots, in
// every force and within the band.
TEST(BudgetOdds, WithinTheBandFiguresAreEnumerationsOnes) {
  BruteForce brute("Kurita", false);
  // Every combination of the slots' designs for each composition die, with its chance.
  std::vector<std::pair<std::vector<std::string>, Fraction>> forces;
  for (const auto& slots : brute.slotDesigns("Medium")) {
    std::vector<std::pair<std::vector<std::string>, Fraction>> combos = {
        {{}, Fraction(1, 6)}
    };
    for (const auto& slot : slots) {
      std::vector<std::pair<std::vector<std::string>, Fraction>> longer;
      for (const auto& [names, chance] : combos)
        for (const auto& [drawn, p] : slot) {
          std::vector<std::string> more = names;
          more.push_back(std::get<0>(drawn));
          longer.emplace_back(more, chance * p);
        }
      combos = longer;
    }
    forces.insert(forces.end(), combos.begin(), combos.end());
  }
  const auto pointsOf = [&](const std::vector<std::string>& names) {
    std::int64_t total = 0;
    for (const std::string& name : names) total += *brute.list().find(name)->points;
    return total;
  };
  std::vector<std::int64_t> totals;
  for (const auto& [names, chance] : forces) totals.push_back(pointsOf(names));
  std::sort(totals.begin(), totals.end());
  totals.erase(std::unique(totals.begin(), totals.end()), totals.end());
  // Ends between totals (every total is a multiple of 50), so the figures must not be the ends.
  const NumberRange points{totals[totals.size() / 3] - 25, totals[2 * totals.size() / 3] + 25};

  Fraction inBand, pointsSum, slotsAll;
  std::int64_t lowest = points.high, highest = points.low;
  std::map<std::string, std::pair<Fraction, Fraction>> designs;  // slots: every force, within
  for (const auto& [names, chance] : forces) {
    const std::int64_t total = pointsOf(names);
    const bool within = points.holds(total);
    for (const std::string& name : names) {
      designs[name].first += chance;
      if (within) designs[name].second += chance;
    }
    slotsAll += chance * Fraction(4);
    if (!within) continue;
    inBand += chance;
    pointsSum += chance * Fraction(total);
    lowest = std::min(lowest, total);
    highest = std::max(highest, total);
  }
  ASSERT_TRUE(inBand != Fraction(0) && inBand != Fraction(1)) << inBand.text();
  const std::optional<WithinBand> figures =
      exactWithinBand(Selection{"Kurita", "Lance", "Medium", "Regular", false}, twoDesignTables(),
                      "two", twoDesignList(), BudgetBand{points, {}});
  ASSERT_TRUE(figures);
  EXPECT_TRUE(figures->exact);
  EXPECT_EQ(figures->points.lowest, lowest);
  EXPECT_EQ(figures->points.highest, highest);
  EXPECT_NEAR(figures->points.mean, (pointsSum / inBand).value(), 1e-9);
  ASSERT_EQ(figures->designs.size(), designs.size());
  for (const DesignShare& share : figures->designs) {
    SCOPED_TRACE(share.design);
    const auto& [every, within] = designs.at(share.design);
    EXPECT_NEAR(share.share, (every / slotsAll).value(), 1e-12);
    EXPECT_NEAR(share.within, (within / (inBand * Fraction(4))).value(), 1e-12);
  }
  EXPECT_GE(figures->designs.front().within, figures->designs.back().within);
  // Several groups have no exact figures.
  EXPECT_FALSE(exactWithinBand(Selection{"Wolf", "Binary", "Random", "Regular", false},
                               twoDesignTables(), "two", twoDesignList(), BudgetBand{points, {}}));
}

}  // namespace
