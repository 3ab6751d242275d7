// SPDX-License-Identifier: MIT
// A fair fight: a force (side a) and the opposing force drawn from the same seed to match it
// (side b), within the band of side a's total (generator/balance_band.h), and the balance of the
// two as every front end shows it. Side a is drawn exactly as a force alone is; side b draws on
// dice of its own (generator/dice.h), so neither side's draws or re-rolls change the other's.
#ifndef MUSTERWRIGHT_ROSTER_FORCE_PAIR_H
#define MUSTERWRIGHT_ROSTER_FORCE_PAIR_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "generator/balance_band.h"
#include "generator/force.h"
#include "generator/reroll_list.h"
#include "generator/table_text.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

// A re-roll of side b that cannot be made (as RerollError); nothing was drawn.
class OpponentRerollError : public RerollError {
 public:
  using RerollError::RerollError;
};

// The two sides' totals in the measure: side a's as its listing stands (after its re-rolls),
// side b's, side b's band, the handicap and tolerance it was worked out with, and whether side b
// lies outside the band of side a's total now (only after side a's re-rolls can it).
struct Balance {
  Measure measure = Measure::points;
  std::int64_t sideA = 0;
  std::int64_t sideB = 0;
  NumberRange band;
  int handicap = kEvenHandicap;
  int tolerance = kFairTolerance;
  bool outsideNow = false;
};

struct ForcePair {
  Force sideA;
  Force sideB;
  Balance balance;
};

// The pair of `sideA`, drawn (with its own budget, if any) but not yet re-rolled, and `request`:
// the band from side a's total as drawn, then side a's re-rolls `rerollsA` (rerollBudgetForce),
// then side b drawn within the band from `seed` and re-rolled within it. Throws BudgetRefusal
// (roster/budget_words.h) when the measure is points with crew skill without a skill table, when
// side a's slots lack the measure (naming up to ten designs), when side a's total is 0, and as
// drawBudgetForce and rerollBudgetForce refuse side b; RerollError for side a's re-rolls and
// OpponentRerollError for side b's, as rerollForce throws it; as generateForce throws.
ForcePair matchForce(Force sideA, const std::vector<RerollItem>& rerollsA,
                     const OpponentRequest& request, const TableText& tables, std::uint32_t seed,
                     const DesignList& designs, const SkillTable* skills);

// The balance of `sideA` as it stands and `sideB`, drawn within its band (its budget) for
// `request` with `skills` (measureOf) from `sideA`'s total as drawn.
Balance balanceOf(const Force& sideA, const Force& sideB, const OpponentRequest& request,
                  const DesignList& designs, const SkillTable* skills);

// The word of a measure in records: "points", "tons" or "skill_points".
const char* measureKey(Measure measure);

// Side b over side a in percent, in tenths, rounded half up; none while side a's total is 0.
std::optional<std::int64_t> balanceTenths(const Balance& balance);

// "Balance: 14,870 against 15,102 points with crew skill (98.5 %; band 14,346–15,858)": side b's
// total against side a's, then "; outside the band of side A's total now" where that is so. The
// percentage is left out while side a's total is 0.
std::string balanceLine(const Balance& balance);

#endif
