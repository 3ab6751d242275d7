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
#include "odds/within_band.h"
#include "roster/budget_searches.h"
#include "roster/force_totals.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

// A budgeted draw or re-roll that cannot be made; nothing was drawn or changed. The message says
// why and what to change.
class BudgetRefusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Up to ten of `names`, joined by ", ", then " and N more" for the rest.
std::string namedDesigns(const std::vector<std::string>& names);

// Why a budget is neither drawn within nor counted while no design list is in use.
std::string budgetWithoutDesignsText();

// Why an opposing force is not drawn while no design list is in use.
std::string opponentWithoutDesignsText();

// Why a budget in points with crew skill is neither drawn within nor counted while no skill
// table is in use.
std::string budgetWithoutSkillsText();

// The band as people read it, points, then tons, then points with crew skill, joined by " · ":
// "5,700–6,000 points", "380–400.5 tons", "6,000–6,300 points with crew skill" (an en dash
// between the ends).
std::string bandText(const BudgetBand& band);

// The caption part of a force's budget: bandText, or "" for a force drawn without one.
std::string budgetCaption(const Force& force);

// What to tell the player once the design list `designs` (none: no list in use) gives `force`,
// drawn within a band, the totals `totals` (forceTotals) that leave that band: "Under the
// design list mine (3fa9c1d2), this force's totals leave the band it was drawn in, 5,700–6,000
// points: 6,240 points." A number that slots lack is said so ("3 slots without points", "2
// slots without crew skill"), and so is a band in points with crew skill while `totals` were
// counted without a skill table ("no skill table").
// "" while the totals lie within the band, and for a force drawn without one.
std::string bandLeftNotice(const Force& force, const Totals& totals, const DesignList* designs);

// A band's chance as the odds give it: a percentage to four significant figures ("2.006 %"),
// after the fraction when exact ("13/648, 2.006 %"); "below 1 in 10^12" for a chance counted
// without a fraction and smaller than the count resolves (kSmallestResolvedChance), never
// "0 %"; "too many totals to count" without a figure.
std::string chanceText(const BandChance& chance);

// The force of `choices` and `seed` within `band` (drawWithinBudget), points with crew skill
// from `skills`. Refuses, before drawing, a band in points with crew skill without a skill
// table; when designs the draws can reach lack a number the band needs (naming up to ten, then
// how many more), and crews they can roll lack a percent in the skill table (naming each); when
// the band lies outside the totals the choices can reach (saying that range) and when no total
// they reach lies within it (naming the step, or the nearest totals where they were listed);
// after kBudgetTries tries without a fit, with the band's chance. Throws as generateForce does.
// With `searches`, the search's outcome is taken from them when kept there and kept there when
// made; a search they do not hold and must not make here throws SearchElsewhere, after every
// refusal made before drawing. Side b draws on that side's dice (generator/dice.h).
Force drawBudgetForce(const TableText& tables, const Selection& choices, std::uint32_t seed,
                      const BudgetBand& band, const DesignList& designs,
                      const SkillTable* skills = nullptr, BudgetSearches* searches = nullptr,
                      Side side = Side::a);

// The re-rolls `items` of a force (rerollForce), each within the force's band when it has one.
// Throws BudgetRefusal naming the re-roll and the band when one keeps no draw within it, before
// any try where its part cannot bring the force into the band, the force then untouched;
// RerollError as rerollForce does, a list that would pass kMostRerolls before any re-roll.
// Points with crew skill come from `skills`; a band in them without one is refused at once.
// `searches` as drawBudgetForce takes them, for each re-roll's search.
void rerollBudgetForce(Force& force, const TableText& tables, const std::vector<RerollItem>& items,
                       const DesignList* designs, const SkillTable* skills = nullptr,
                       BudgetSearches* searches = nullptr);

// The band's figures for `--odds`: its chance, the lowest, highest and mean total of each number
// it holds in every force and within the band, whether copy limits were left out, and each
// design's share of the slots in every force and within the band (withinBand,
// odds/within_band.h).
struct BudgetFigures {
  BudgetBand band;
  BudgetReach reach;
  BandChance chance;
  WithinBand within;
};
BudgetFigures budgetFigures(const Selection& choices, const std::string& tableBytes,
                            std::string_view fileName, const DesignList& designs,
                            const BudgetBand& band, const SkillTable* skills = nullptr);

// The figures as text, one line each, after a blank line: "Budget 5,700–6,000 points: chance
// 2.006 %", then per number of the band "  points: lowest 1,200, highest 9,800, mean 5,432.1"
// and "  points within the band: lowest 5,710, highest 6,000, mean 5,870.4", "  copy limits are
// not counted" where they were left out, then "  Each design's share of the slots, of every
// force and within the band:" and a line for each design, "    Mailfist: 4.17 %, 9.5 %". The
// figures within the band that are estimated say "about" and from how many forces.
// Without `withShares` the designs' lines are left out, for a front end that shows them as a
// table (sharesHeading names it).
std::string budgetFiguresText(const BudgetFigures& figures, bool withShares = true);

// "Each design's share of the slots, of every force and within the band", with " (about, from
// the same forces and every try)" for an estimate.
std::string sharesHeading(const WithinBand& within);

// The odds' JSON (oddsJson) with "budget" added: {"points": {"low", "high"}, "tons": {...},
// "skill_points": {...}, where the band has them, "chance" (the fraction as a string, or null),
// "percent" (null when not counted or below what the count resolves), "chance_text"
// (chanceText), "reach": {"points", "tons", "skill_points", where the band has them:
// {"lowest", "highest", "mean"}}, "copy_limits_counted", "lacking": [names], with a band in
// points with crew skill "lacking_crews": [{"piloting", "gunnery"}], "within": {"lowest",
// "highest", "mean" of the band's points (of its tons for a band of tons alone, of its points
// with crew skill for a band of those alone), "points", "tons" and/or "skill_points":
// {"lowest", "highest", "mean"}, "exact", "forces"}, "designs": [{"design", "share",
// "within"}]}; the shares as fractions of 1, figures within null where no force lies within the
// band.
std::string withBudgetJson(const std::string& oddsJson, const BudgetFigures& figures);

// The odds' CSV (oddsCsv) with rows of part "budget" added: item "chance" (chance and percent;
// "below 1 in 10^12" and no percent for a chance the count does not resolve), then for each
// number of the band items "lowest", "highest" and "mean" with the number ("points", "tons",
// "skill_points") as source and the figure under expected_value, and the same items within the
// band as "within_lowest", "within_highest" and "within_mean"; then for each design an item of
// source "share", the design under item, its share of every force's slots under chance and
// within the band under expected_value.
std::string withBudgetCsv(std::string oddsCsv, const BudgetFigures& figures);

#endif
