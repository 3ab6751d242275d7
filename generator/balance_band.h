// SPDX-License-Identifier: MIT
// A fair fight: the band an opposing force (side b, generator/dice.h) is drawn within, worked out
// from the total of the force it faces (side a). The band is measured in points, in tons (kept in
// hundredths) or in points with crew skill, and is the handicap's share of side a's total, widened
// by the tolerance on both sides: every figure is whole, so the same totals give the same band on
// every platform.
#ifndef MUSTERWRIGHT_GENERATOR_BALANCE_BAND_H
#define MUSTERWRIGHT_GENERATOR_BALANCE_BAND_H

#include <cstdint>
#include <optional>
#include <vector>

#include "generator/budget_band.h"
#include "generator/budget_draw.h"
#include "generator/choices.h"
#include "generator/reroll_list.h"
#include "tables/skill_table.h"

// What the two sides' totals are compared in.
enum class Measure { points, tons, skillPoints };

// The handicap is side b's share of side a's total in percent; the tolerance is how far, in
// percent of that share, side b may lie from it.
inline constexpr int kEvenHandicap = 100;
inline constexpr int kLowestHandicap = 10;
inline constexpr int kHighestHandicap = 1000;
inline constexpr int kFairTolerance = 5;
inline constexpr int kHighestTolerance = 50;

// What side b is asked for: its choices ("Random" where left out, no vehicles unless asked, its
// own collection), its re-rolls as written, the measure (none: points with crew skill while a
// skill table is in use, else points), the handicap and the tolerance.
struct OpponentRequest {
  Selection choices{"Random", "Random", "Random", "Random"};
  std::vector<RerollItem> rerolls = {};
  std::optional<Measure> measure = {};
  int handicap = kEvenHandicap;
  int tolerance = kFairTolerance;
};

// The measure `request` asks for, or its default with `skills` (none: no skill table in use).
Measure measureOf(const OpponentRequest& request, const SkillTable* skills);

// The total of `totals` that `measure` counts (tons in hundredths).
std::int64_t measuredTotal(const BudgetTotals& totals, Measure measure);

// The band of side a's total `total` (whole points, or hundredths of a ton):
// from ⌊total·handicap·(100 − tolerance) / 10,000⌋ to ⌈total·handicap·(100 + tolerance) / 10,000⌉.
// The caller keeps handicap and tolerance within their bounds and `total` at or above 0.
NumberRange balanceRange(std::int64_t total, int handicap, int tolerance);

// A budget of `range` in `measure` alone.
BudgetBand measureBand(Measure measure, const NumberRange& range);

#endif
