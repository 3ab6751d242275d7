// SPDX-License-Identifier: MIT
// The budget's odds against brute force. On a table file whose every table holds two designs,
// every composition die and every way each slot's draws can fall are played through the
// generator itself; a unit's groups are combined by exact convolution over every formation
// roll. The band's chance, the lowest and highest totals and the mean that the budget's odds give
// must be the brute force's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "generator/generate.h"
#include "odds/budget_odds.h"
#include "support/scripted_dice.h"
#include "support/two_design_tables.h"

namespace {

struct Total {
  std::int64_t points = 0, tons = 0;
  auto operator<=>(const Total&) const = default;
};
// Every total a force can have, with its chance.
using Spread = std::map<Total, Fraction>;

Spread convolved(const Spread& a, const Spread& b) {
  Spread sum;
  for (const auto& [x, p] : a)
    for (const auto& [y, q] : b) sum[{x.points + y.points, x.tons + y.tons}] += p * q;
  return sum;
}

// Rolls of `sides` answered with `faces`, in order.
std::vector<Draw> rolls(int sides, std::initializer_list<int> faces) {
  std::vector<Draw> draws;
  for (const int face : faces) draws.push_back({sides, face});
  return draws;
}

class BruteForce {
 public:
  BruteForce(const char* faction, bool vehicles) : faction_(faction), vehicles_(vehicles) {}

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

 private:
  Force drawn(const char* size, const char* weight, const ScriptedDice& dice) {
    return generateForce(tables_, Selection{faction_, size, weight, "Regular", vehicles_},
                         dice.source());
  }

  // Every composition die; for each, the design each slot takes for every way its vehicle roll
  // (with vehicles) and its two entry rolls fall, the slots independent of each other.
  Spread group(const std::string& weight) {
    if (const auto known = groups_.find(weight); known != groups_.end()) return known->second;
    const int slots = std::string(faction_) == "Wolf" ? 5 : 4;
    const int ways = vehicles_ ? 180 : 36;
    Spread spread;
    for (int die = 0; die < 6; ++die) {
      std::vector<std::map<std::string, Fraction>> designs(slots);
      for (int way = 0; way < ways; ++way) {
        ScriptedDice dice(rolls(10, {0}));
        dice.then(rolls(6, {die}));
        for (int k = 0; k < slots; ++k) {
          if (vehicles_) dice.then(rolls(5, {way / 36}));
          dice.then(rolls(6, {way % 36 / 6, way % 6, 0}));
        }
        const Force force = drawn(slots == 5 ? "Star" : "Lance", weight.c_str(), dice);
        for (int k = 0; k < slots; ++k)
          designs[k][force.roster[k].name.c_str()] += Fraction(1, ways);
      }
      Spread composed;
      composed[Total{}] = Fraction(1, 6);
      for (const auto& slot : designs) {
        Spread one;
        for (const auto& [name, chance] : slot) {
          const DesignNumbers* numbers = list_.find(name);
          one[{numbers->points.value_or(0), numbers->tonsHundredths.value_or(0)}] += chance;
        }
        composed = convolved(composed, one);
      }
      for (const auto& [total, chance] : composed) spread[total] += chance;
    }
    return groups_[weight] = spread;
  }

  const char* faction_;
  bool vehicles_;
  const TableText tables_{twoDesignTables(), "two"};
  const DesignList list_ = twoDesignList();
  std::map<std::string, Spread> groups_;
};

TEST(BudgetOdds, BandChanceReachAndMeanAreTheBruteForcesOnes) {
  struct Case {
    const char* faction;
    const char* size;
    const char* weight;
    bool vehicles;
  } cases[] = {
      {"Kurita", "Lance",  "Medium", false},
      {"Wolf",   "Star",   "Heavy",  false},
      {"Wolf",   "Star",   "Heavy",  true },
      {"Wolf",   "Binary", "Random", false},
  };
  for (const Case& c : cases) {
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
    EXPECT_EQ(reach.points.lowest, lowest.points);
    EXPECT_EQ(reach.points.highest, highest.points);
    EXPECT_EQ(reach.tonsHundredths.lowest, lowest.tons);
    EXPECT_EQ(reach.tonsHundredths.highest, highest.tons);
    EXPECT_NEAR(reach.points.mean, pointsMean.value(), 1e-9 * pointsMean.value());
    EXPECT_NEAR(reach.tonsHundredths.mean, tonsMean.value(), 1e-9 * tonsMean.value());
    const BandChance chance = bandChance(choices, twoDesignTables(), "two", list, band);
    ASSERT_TRUE(chance.counted);
    // A single group's chance is an exact fraction; a unit's comes through a transform.
    if (std::string(c.size) != "Binary") {
      EXPECT_EQ(chance.exact.value_or(0).text(), inBand.text());
    }
    EXPECT_NEAR(chance.value, inBand.value(), 1e-12);
  }
}

}  // namespace
