// SPDX-License-Identifier: MIT
#include "generator/balance_band.h"

namespace {

constexpr std::int64_t kWholeShare = 10000;

}  // namespace

Measure measureOf(const OpponentRequest& request, const SkillTable* skills) {
  if (request.measure) return *request.measure;
  return skills ? Measure::skillPoints : Measure::points;
}

std::int64_t measuredTotal(const BudgetTotals& totals, Measure measure) {
  switch (measure) {
    case Measure::points:
      return totals.points;
    case Measure::tons:
      return totals.tonsHundredths;
    case Measure::skillPoints:
      return totals.skillPoints;
  }
  return 0;
}

NumberRange balanceRange(std::int64_t total, int handicap, int tolerance) {
  const std::int64_t low = total * handicap * (100 - tolerance);
  const std::int64_t high = total * handicap * (100 + tolerance);
  return {low / kWholeShare, (high + kWholeShare - 1) / kWholeShare};
}

BudgetBand measureBand(Measure measure, const NumberRange& range) {
  BudgetBand band;
  if (measure == Measure::points) band.points = range;
  if (measure == Measure::tons) band.tonsHundredths = range;
  if (measure == Measure::skillPoints) band.skillPoints = range;
  return band;
}
