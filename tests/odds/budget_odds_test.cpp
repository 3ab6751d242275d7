// SPDX-License-Identifier: MIT
// The budget's odds against brute force. On a table file whose every table holds two designs,
// every composition die and every way each slot's draws can fall are played through the
// generator itself; a unit's groups are combined by exact convolution over every formation
// roll. The band's chance, the lowest and highest totals and the mean that the budget's odds give
// must be the brute force's.
#include <gtest/gtest.h>

#include <cstdint>
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

// Dice that answer `draws` in order, each checked for the size of its roll, then 0 to every
// later roll (the draws a case does not look at).
DiceSource answering(std::vector<Draw> draws) {
  return [draws = std::move(draws), next = std::size_t{0}](int n) mutable {
    if (next == draws.size()) return 0;
    const Draw draw = draws[next++];
    EXPECT_EQ(n, draw.n) << "draw " << next << " asked for a roll of the wrong size";
    return draw.value;
  };
}

class BruteForce {
 public:
  BruteForce(const char* faction, bool vehicles) : faction_(faction), vehicles_(vehicles) {}

  // A single group of weight `weight`, or a Binary laid out by each of the 36 two-group rolls.
  Spread force(const char* size, const char* weight) {
    if (std::string(size) != "Binary") return group(weight);
    Spread spread;
    for (int first = 0; first < 6; ++first) {
      for (int second = 0; second < 6; ++second) {
        const Force laidOut = drawn("Binary", weight,
                                    {
                                        {10, 0     },
                                        {6,  first },
                                        {6,  second}
        });
        const Spread both = convolved(group(laidOut.groupWeights.at(0).c_str()),
                                      group(laidOut.groupWeights.at(1).c_str()));
        for (const auto& [total, chance] : both) spread[total] += chance * Fraction(1, 36);
      }
    }
    return spread;
  }

 private:
  Force drawn(const char* size, const char* weight, std::vector<Draw> draws) {
    return generateForce(tables_, Selection{faction_, size, weight, "Regular", vehicles_},
                         answering(std::move(draws)));
  }

  // Every composition die; for each, the design each slot takes for every way its vehicle roll
  // (with vehicles) and its two entry rolls fall, the slots independent of each other.
  Spread group(const std::string& weight) {
    if (const auto known = groups_.find(weight); known != groups_.end()) return known->second;
    const bool clan = std::string(faction_) == "Wolf";
    const char* size = clan ? "Star" : "Lance";
    std::vector<std::vector<Draw>> slotDraws;
    for (int vehicle = 0; vehicle < (vehicles_ ? 5 : 1); ++vehicle) {
      for (int first = 0; first < 6; ++first)
        for (int second = 0; second < 6; ++second) {
          std::vector<Draw> draws{
              {6, first },
              {6, second},
              {6, 0     }
          };
          if (vehicles_) draws.insert(draws.begin(), {5, vehicle});
          slotDraws.push_back(draws);
        }
    }
    const Fraction each(1, static_cast<std::int64_t>(slotDraws.size()));
    Spread spread;
    for (int die = 0; die < 6; ++die) {
      std::vector<std::map<std::string, Fraction>> designs(clan ? 5 : 4);
      for (const std::vector<Draw>& draws : slotDraws) {
        std::vector<Draw> script{
            {10, 0  },
            {6,  die}
        };
        for (std::size_t k = 0; k < designs.size(); ++k)
          script.insert(script.end(), draws.begin(), draws.end());
        const Force force = drawn(size, weight.c_str(), script);
        for (std::size_t k = 0; k < designs.size(); ++k)
          designs[k][force.roster[static_cast<int>(k)].name.c_str()] += each;
      }
      Spread composed{
          {Total{}, Fraction(1, 6)}
      };
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
    const Total lowest{spread.begin()->first.points,
                       std::min_element(spread.begin(), spread.end(), [](auto& a, auto& b) {
                         return a.first.tons < b.first.tons;
                       })->first.tons};
    const Total highest{spread.rbegin()->first.points,
                        std::max_element(spread.begin(), spread.end(), [](auto& a, auto& b) {
                          return a.first.tons < b.first.tons;
                        })->first.tons};
    // The middle third of the points, and the lower half of the tons.
    const NumberRange points{lowest.points + (highest.points - lowest.points) / 3,
                             lowest.points + 2 * (highest.points - lowest.points) / 3};
    const NumberRange tons{lowest.tons, (lowest.tons + highest.tons) / 2};
    Fraction inBand, pointsMean, tonsMean;
    for (const auto& [total, chance] : spread) {
      if (points.holds(total.points) && tons.holds(total.tons)) inBand += chance;
      pointsMean += chance * Fraction(total.points);
      tonsMean += chance * Fraction(total.tons);
    }
    ASSERT_NE(inBand, Fraction(0));
    ASSERT_NE(inBand, Fraction(1));

    const Selection choices{c.faction, c.size, c.weight, "Regular", c.vehicles};
    const BudgetBand band{points, tons};
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
    if (std::string(c.size) != "Binary") {
      ASSERT_TRUE(chance.exact) << "a single group's chance is exact";
      EXPECT_EQ(chance.exact->text(), inBand.text());
    }
    EXPECT_NEAR(chance.value, inBand.value(), 1e-12);
  }
}

}  // namespace
