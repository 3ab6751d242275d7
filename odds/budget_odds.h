// SPDX-License-Identifier: MIT
// The odds of a budget: for given choices and a band, which designs the draws can reach lack a
// number the band needs, the lowest, highest and mean totals the choices can reach, and the
// band's chance. Worked out from the rule tables, the table file's text and the design list as
// the draws meet them, never sampled. Drawing from owned copies, each table's owned designs keep
// their weight over the owned weight and a table with none leaves its slot open (nothing), but
// copy limits are not counted: the figures are those of a force whose copies never run out.
// With a skill table, each slot's crew is counted as the draws roll it, the experience of a
// Random choice once for the whole force, so that the crews of its slots go together.
#ifndef MUSTERWRIGHT_ODDS_BUDGET_ODDS_H
#define MUSTERWRIGHT_ODDS_BUDGET_ODDS_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/budget_band.h"
#include "generator/choices.h"
#include "odds/fraction.h"
#include "odds/odds_report.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

// The totals of one number that the choices can reach.
struct TotalReach {
  std::int64_t lowest = 0;
  std::int64_t highest = 0;
  double mean = 0;
};

struct BudgetReach {
  // The designs the draws can reach that lack a number the band needs, in the order first met.
  std::vector<std::string> lacking;
  // The crews the draws can roll that the skill table lacks, for a band in points with crew
  // skill, sorted.
  std::vector<CrewPair> lackingCrews;
  // The reach of each number (tons in hundredths), counting a missing number as nothing; points
  // with crew skill 0 without a skill table.
  TotalReach points;
  TotalReach tonsHundredths;
  TotalReach skillPoints;
  // Whether copy limits were left out (a collection or each design once).
  bool copyLimitsIgnored = false;
};

// The band's chance: exact for choices that always give one lance or star, else to the
// precision of a double. `counted` is false when the totals are too many to count in bounded
// time and memory (more than kMostBandTotals codes): no figure then.
struct BandChance {
  bool counted = false;
  std::optional<Fraction> exact;
  double value = 0;
};

// The most totals (both numbers' combinations, after dividing by their common factor) that
// bandChance counts.
inline constexpr std::int64_t kMostBandTotals = std::int64_t{1} << 22;

// Throws TableError as the draws would, OddsError for words in no list. `skills` is the skill
// table the points with crew skill come from; none leaves them at 0 (a band in them then holds
// only a force of 0).
BudgetReach budgetReach(const Selection& choices, const std::string& tableBytes,
                        std::string_view fileName, const DesignList& designs,
                        const BudgetBand& band, const SkillTable* skills = nullptr);
BandChance bandChance(const Selection& choices, const std::string& tableBytes,
                      std::string_view fileName, const DesignList& designs, const BudgetBand& band,
                      const SkillTable* skills = nullptr);

// The expected points with crew skill of one force, exactly: a slot whose design lacks points
// or whose crew the table lacks, and an open slot, count as nothing; copy limits are not
// counted. Throws as budgetReach does, and std::overflow_error when the figure does not fit an
// exact fraction of 64-bit numbers.
Fraction expectedSkillPoints(const Selection& choices, const std::string& tableBytes,
                             std::string_view fileName, const DesignList& designs,
                             const SkillTable& skills);

// Adds the force's expected points with crew skill to `numbers` (expectedSkillPoints) with the
// skill table's name and identity; leaves them out when the figure does not fit an exact
// fraction of 64-bit numbers. Throws as budgetReach does.
void addExpectedSkillPoints(OddsNumbers& numbers, const Selection& choices,
                            const std::string& tableBytes, std::string_view fileName,
                            const DesignList& designs, const SkillTable& skills);

#endif
