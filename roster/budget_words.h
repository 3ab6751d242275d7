// SPDX-License-Identifier: MIT
// A budget in words, as every front end shows it: the band ("5,700–6,000 points · 380–400
// tons"), the caption part of a force drawn within one, the refusals of a budgeted draw or
// re-roll, and the odds of a band. Drawing within a budget goes through here so that every
// front end refuses the same choices with the same message.
#ifndef MUSTERWRIGHT_ROSTER_BUDGET_WORDS_H
#define MUSTERWRIGHT_ROSTER_BUDGET_WORDS_H

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "generator/budget_band.h"
#include "generator/force.h"
#include "generator/reroll_list.h"
#include "generator/table_text.h"
#include "odds/budget_odds.h"
#include "roster/budget_searches.h"
#include "roster/force_totals.h"
#include "tables/design_list.h"

// A budgeted draw or re-roll that cannot be made; nothing was drawn or changed. The message says
// why and what to change.
class BudgetRefusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Why a budget is neither drawn within nor counted while no design list is in use.
std::string budgetWithoutDesignsText();

// The band as people read it, points before tons, joined by " · ": "5,700–6,000 points",
// "380–400.5 tons" (an en dash between the ends).
std::string bandText(const BudgetBand& band);

// The caption part of a force's budget: bandText, or "" for a force drawn without one.
std::string budgetCaption(const Force& force);

// What to tell the player once the design list `designs` (none: no list in use) gives `force`,
// drawn within a band, the totals `totals` (forceTotals) that leave that band: "Under the
// design list mine (3fa9c1d2), this force's totals leave the band it was drawn in, 5,700–6,000
// points: 6,240 points." A number that slots lack is said so ("3 slots without points").
// "" while the totals lie within the band, and for a force drawn without one.
std::string bandLeftNotice(const Force& force, const Totals& totals, const DesignList* designs);

// A band's chance as the odds give it: the fraction ("13/648") when exact, else a percentage to
// four significant figures ("2.006 %"); "too many totals to count" without a figure.
std::string chanceText(const BandChance& chance);

// The force of `choices` and `seed` within `band` (drawWithinBudget). Refuses, before drawing,
// when designs the draws can reach lack a number the band needs (naming up to ten, then how many
// more) and when the band lies outside the totals the choices can reach (saying that range);
// after kBudgetTries tries without a fit, with the band's chance. Throws as generateForce does.
// With `searches`, the search's outcome is taken from them when kept there and kept there when
// made; a search they do not hold and must not make here throws SearchElsewhere.
Force drawBudgetForce(const TableText& tables, const Selection& choices, std::uint32_t seed,
                      const BudgetBand& band, const DesignList& designs,
                      BudgetSearches* searches = nullptr);

// The re-rolls `items` of a force (rerollForce), each within the force's band when it has one.
// Throws BudgetRefusal naming the re-roll and the band when one keeps no draw within it, the
// force then untouched; RerollError as rerollForce does. `searches` as drawBudgetForce takes
// them, for each re-roll's search.
void rerollBudgetForce(Force& force, const TableText& tables, const std::vector<RerollItem>& items,
                       const DesignList* designs, BudgetSearches* searches = nullptr);

// The band's figures for `--odds`: its chance, the lowest, highest and mean total of each number
// it holds, and whether copy limits were left out.
struct BudgetFigures {
  BudgetBand band;
  BudgetReach reach;
  BandChance chance;
};
BudgetFigures budgetFigures(const Selection& choices, const std::string& tableBytes,
                            std::string_view fileName, const DesignList& designs,
                            const BudgetBand& band);

// The figures as text, one line each, after a blank line: "Budget 5,700–6,000 points: chance
// 2.006 %", then "  points: lowest 1,200, highest 9,800, mean 5,432.1" per number of the band,
// and "  copy limits are not counted" where they were left out.
std::string budgetFiguresText(const BudgetFigures& figures);

// The odds' JSON (oddsJson) with "budget" added: {"points": {"low", "high"}, "tons": {...}, where
// the band has them, "chance" (the fraction as a string, or null), "percent" (or null when not
// counted), "reach": {"points" and/or "tons": {"lowest", "highest", "mean"}},
// "copy_limits_counted", "lacking": [names]}.
std::string withBudgetJson(const std::string& oddsJson, const BudgetFigures& figures);

// The odds' CSV (oddsCsv) with rows of part "budget" added: item "chance" (chance and percent),
// then for each number of the band items "lowest", "highest" and "mean" with the number as source
// and the figure under expected_value.
std::string withBudgetCsv(std::string oddsCsv, const BudgetFigures& figures);

#endif
