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

// The smallest chance the transform resolves: below it a band's chance is not told from 0.
inline constexpr double kSmallestResolvedChance = 1e-12;

// The most totals (the numbers' combinations, after dividing by their common factor) that
// bandChance counts.
inline constexpr std::int64_t kMostBandTotals = std::int64_t{1} << 22;

// Which totals the choices can reach in and near a band, found without their chances. Every
// total of a number is a multiple of its step, the common factor of that number over every
// design the draws can reach.
struct BandSupport {
  // The steps (tons in hundredths); 0 where every design counts nothing.
  std::int64_t pointsStep = 0;
  std::int64_t tonsStep = 0;
  std::int64_t skillPointsStep = 0;
  // Whether each number of the band holds a multiple of its step, which every total is.
  bool holdsSteps = true;
  // Whether the reachable totals were listed in bounded time (kMostSupportWork); the figures
  // below hold only then.
  bool counted = false;
  // Whether some reachable total lies within the band.
  bool reached = false;
  // For a band of one number (points with crew skill being one) that no total reaches: the
  // nearest reachable totals of that number below and above it, none where there is none.
  std::optional<std::int64_t> below;
  std::optional<std::int64_t> above;
};

// The most pairs of runs of totals that bandSupport adds up before it gives up.
inline constexpr std::int64_t kMostSupportWork = std::int64_t{1} << 22;

// One part of a force drawn again, the rest kept: a whole group of `groupWeight` of the faction
// `faction` (a Clan when `clan`), or with `slotWeight` one slot of that weight class; its crews
// of the force's `experience`.
struct ForcePart {
  std::string faction;
  bool clan = false;
  bool withVehicles = false;
  std::string groupWeight;
  std::string slotWeight;
  std::string experience = {};
};

// A design's share of the slots (open ones counted) of every force and of the forces within a
// band.
struct DesignShare {
  std::string design;
  double share = 0;
  double within = 0;
  bool operator==(const DesignShare&) const = default;
};

// Puts the shares highest within the band first, then highest share, then by name.
void sortShares(std::vector<DesignShare>& shares);

// The forces within a band: the lowest, highest and mean total of each number among them, and
// each design's share of their slots beside its share of every force's. `exact` figures come
// from the tables; otherwise they are estimates from `forces` forces drawn within the band
// (odds/within_band.h). A number the band leaves out has no figures (0). No force within the
// band leaves every figure 0 and `designs` empty.
struct WithinBand {
  bool exact = false;
  int forces = 0;
  TotalReach points;
  TotalReach tonsHundredths;
  TotalReach skillPoints = {};
  std::vector<DesignShare> designs;
};

// The exact figures for choices that always give one lance or star; none for others, and
// where a figure does not fit an exact fraction of 64-bit numbers. Copy limits are not counted.
// Throws as bandChance does.
std::optional<WithinBand> exactWithinBand(const Selection& choices, const std::string& tableBytes,
                                          std::string_view fileName, const DesignList& designs,
                                          const BudgetBand& band,
                                          const SkillTable* skills = nullptr);

// Without `listTotals` only the steps are worked out, and `counted` stays false. Throws
// TableError as the draws would, OddsError for words in no list.
BandSupport bandSupport(const Selection& choices, const std::string& tableBytes,
                        std::string_view fileName, const DesignList& designs,
                        const BudgetBand& band, const SkillTable* skills = nullptr,
                        bool listTotals = true);

// The reach of `part`, drawing from every design (copy limits are what a caller must leave
// out); a battle-armour slot or group counts its fixed name, and `lacking` is left empty.
// Throws TableError as the draws would.
BudgetReach partReach(const ForcePart& part, const std::string& tableBytes,
                      std::string_view fileName, const DesignList& designs, const BudgetBand& band,
                      const SkillTable* skills = nullptr);

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
