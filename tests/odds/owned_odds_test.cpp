// SPDX-License-Identifier: MIT
// The owned chances of the odds against draws from a collection whose counts never run out: each
// owned design's (or an open slot's) share of its table's slots, within 4 standard errors.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <map>
#include <string>

#include "generator/generate.h"
#include "odds/force_odds.h"
#include "support/table_files.h"

namespace {

#ifndef ODDS_DRAWS_DIVISOR
#define ODDS_DRAWS_DIVISOR 1
#endif
constexpr int kForces = 20000 / ODDS_DRAWS_DIVISOR;

TEST(OwnedOdds, DrawsFromACollectionMatchTheOwnedChances) {
  // 99 copies of entries 2, 5, 7, 11 of Kurita's Light, Medium, Heavy tables; Assault stays open.
  Selection choices{"Kurita", "Lance", "Random", "Regular", false};
  choices.collection = Collection{"shelf", "0", {}};
  for (const char* weight : {"Light", "Medium", "Heavy"})
    for (int entry : {2, 5, 7, 11})
      choices.collection
          ->copies[foldedName(std::string("Kur ") + weight + " " + std::to_string(entry))] = 99;
  const TableText tables = soundTableText();
  const OddsReport report = computeOdds(choices, tables.bytes, "Tables.dat");

  std::map<std::string, double> slots;                            // weight class: slots drawn
  std::map<std::pair<std::string, std::string>, double> designs;  // (weight, design): slots
  for (int seed = 1; seed <= kForces; ++seed) {
    const Force force = generateForce(tables, choices, static_cast<std::uint32_t>(seed));
    for (int k = 0; k < force.roster.length(); ++k) {
      const Mech& slot = force.roster[k];
      slots[slot.weightClass.c_str()] += 1;
      const bool open = slot.kind == SlotKind::open;
      designs[{slot.weightClass.c_str(),
               open ? "(none owned: a slot stays open)" : slot.name.c_str()}] += 1;
    }
  }
  double largest = 0;
  for (const OddsRow& row : report.parts.front().rows) {
    const double n = slots[row.weightClass];
    const double p = row.chance.value();
    const double seen = designs[{row.weightClass, row.item}] / n;
    EXPECT_LE(std::abs(seen - p), 4 * std::sqrt(p * (1 - p) / n) + 1e-12)
        << row.weightClass << " " << row.item;
    largest = std::max(largest, std::abs(seen - p));
  }
  ASSERT_TRUE(report.openSlots);
  Fraction crews;  // an open slot rolls no crew
  for (const OddsRow& row : report.parts.back().rows) crews += *row.expected;
  EXPECT_EQ(crews + *report.openSlots, Fraction(4));
  std::cout << "largest deviation of a drawn share from its owned chance: " << largest << '\n';
}

}  // namespace
