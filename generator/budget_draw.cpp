// SPDX-License-Identifier: MIT
#include "generator/budget_draw.h"

#include "generator/generate.h"

BudgetTotals budgetTotals(const Force& force, const DesignList& designs) {
  BudgetTotals totals;
  for (int k = 0; k < force.roster.length(); ++k) {
    const Mech& slot = force.roster[k];
    if (slot.kind == SlotKind::open) continue;
    const DesignNumbers* row = designs.find(slot.name.c_str());
    if (!row) continue;
    totals.points += row->points.value_or(0);
    totals.tonsHundredths += row->tonsHundredths.value_or(0);
  }
  return totals;
}

bool withinBand(const Force& force, const BudgetBand& band, const DesignList& designs) {
  const BudgetTotals totals = budgetTotals(force, designs);
  return (!band.points || band.points->holds(totals.points)) &&
         (!band.tonsHundredths || band.tonsHundredths->holds(totals.tonsHundredths));
}

std::optional<Force> drawBudgetTry(const TableText& tables, const Selection& selection,
                                   std::uint32_t seed, const BudgetBand& band,
                                   const DesignList& designs, int attempt) {
  Force force = generateForce(tables, selection, budgetDice(seed, 0, attempt));
  if (!withinBand(force, band, designs)) return std::nullopt;
  force.seed = seed;
  force.budget = band;
  return force;
}

std::optional<BudgetTry> searchWithinBudget(const TableText& tables, const Selection& selection,
                                            std::uint32_t seed, const BudgetBand& band,
                                            const DesignList& designs) {
  for (int attempt = 0; attempt < kBudgetTries; ++attempt)
    if (std::optional<Force> force = drawBudgetTry(tables, selection, seed, band, designs, attempt))
      return BudgetTry{std::move(*force), attempt};
  return std::nullopt;
}

std::optional<Force> drawWithinBudget(const TableText& tables, const Selection& selection,
                                      std::uint32_t seed, const BudgetBand& band,
                                      const DesignList& designs) {
  std::optional<BudgetTry> found = searchWithinBudget(tables, selection, seed, band, designs);
  if (!found) return std::nullopt;
  return std::move(found->force);
}

bool rerollBudgetTry(Force& force, const TableText& tables, Reroll reroll,
                     const DesignList& designs, int attempt) {
  if (!force.budget) {
    rerollForce(force, tables, reroll);
    return true;
  }
  checkReroll(force, reroll);
  Force tried = force;
  rerollForce(tried, tables, reroll, budgetDice(force.seed, force.rerolls.size() + 1, attempt));
  if (!withinBand(tried, *force.budget, designs)) return false;
  force = std::move(tried);
  return true;
}

std::optional<int> rerollWithinBudget(Force& force, const TableText& tables, Reroll reroll,
                                      const DesignList& designs) {
  if (!force.budget) {
    rerollForce(force, tables, reroll);
    return 0;
  }
  for (int attempt = 0; attempt < kBudgetTries; ++attempt)
    if (rerollBudgetTry(force, tables, reroll, designs, attempt)) return attempt;
  return std::nullopt;
}
