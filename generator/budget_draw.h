// SPDX-License-Identifier: MIT
// Drawing a force within a budget, exactly: a force is drawn again and again, each try on dice
// of its own, until one lies within the band; the force kept therefore comes with the chance
// the tables give it, divided by the band's chance. Try j of the first draw rolls
// budgetDice(seed, 0, j) (generator/dice.h): try 0 is the force drawn without a budget, so a
// force that fits at once is that very force. Re-roll k (its place in the force's list) works
// the same on the part it draws again, try j rolling budgetDice(seed, k + 1, j). Every draw gives
// up after kBudgetTries tries, so the same choices, seed and band always end the same way. A try
// found once, by a search here or made elsewhere, can be drawn alone (drawBudgetTry,
// rerollBudgetTry) and gives the same force.
#ifndef MUSTERWRIGHT_GENERATOR_BUDGET_DRAW_H
#define MUSTERWRIGHT_GENERATOR_BUDGET_DRAW_H

#include <cstdint>
#include <optional>

#include "generator/budget_band.h"
#include "generator/choices.h"
#include "generator/dice.h"
#include "generator/force.h"
#include "generator/table_text.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

// The most tries of one draw within a budget.
inline constexpr int kBudgetTries = 20000;

// The force's total points, tons (in hundredths) and points with crew skill from `designs` and
// `skills` (none: the last stays 0): an open slot counts nothing, and so does a design the list
// lacks a number for, or a crew the skill table lacks.
struct BudgetTotals {
  std::int64_t points = 0;
  std::int64_t tonsHundredths = 0;
  std::int64_t skillPoints = 0;
};
BudgetTotals budgetTotals(const Force& force, const DesignList& designs,
                          const SkillTable* skills = nullptr);

// Whether the force's totals lie within every part of `band`; a band in points with crew skill
// holds no force while `skills` is none.
bool withinBand(const Force& force, const BudgetBand& band, const DesignList& designs,
                const SkillTable* skills = nullptr);

// A force drawn within a band and the try, from 0, that drew it.
struct BudgetTry {
  Force force;
  int attempt = 0;
};

// Try `attempt` of drawWithinBudget alone: the force, with `seed`, `budget` and `side` set, when
// it lies within `band`; none when it does not. Side b rolls that side's dice (budgetDice).
// Throws as generateForce does.
std::optional<Force> drawBudgetTry(const TableText& tables, const Selection& selection,
                                   std::uint32_t seed, const BudgetBand& band,
                                   const DesignList& designs, const SkillTable* skills, int attempt,
                                   Side side = Side::a);

// The first try of generateForce(tables, selection, seed) that lies within `band`, with
// `budget` set to it, on the dice of `side`; none when kBudgetTries tries gave none. Throws as
// generateForce does.
std::optional<BudgetTry> searchWithinBudget(const TableText& tables, const Selection& selection,
                                            std::uint32_t seed, const BudgetBand& band,
                                            const DesignList& designs,
                                            const SkillTable* skills = nullptr,
                                            Side side = Side::a);
// searchWithinBudget's force alone.
std::optional<Force> drawWithinBudget(const TableText& tables, const Selection& selection,
                                      std::uint32_t seed, const BudgetBand& band,
                                      const DesignList& designs,
                                      const SkillTable* skills = nullptr);

// Try `attempt` of rerollWithinBudget alone, on the dice of the force's side: true, the force
// rolled, when it keeps the force within its band; false, the force untouched, when not. A force
// without a band is rolled as rerollForce rolls it. Throws as rerollWithinBudget does.
bool rerollBudgetTry(Force& force, const TableText& tables, Reroll reroll,
                     const DesignList& designs, const SkillTable* skills, int attempt);

// Rolls `reroll` of a force drawn within a budget again (rerollForce), taking the first try
// that keeps the force within its band, and returns that try; the force without a band is rolled
// as rerollForce rolls it (try 0). None, the force untouched, when kBudgetTries tries kept none.
// Throws RerollError as checkReroll and checkRerollRoom do, TableError as the search does.
std::optional<int> rerollWithinBudget(Force& force, const TableText& tables, Reroll reroll,
                                      const DesignList& designs,
                                      const SkillTable* skills = nullptr);

#endif
