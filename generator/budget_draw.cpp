// SPDX-License-Identifier: MIT
#include "generator/budget_draw.h"

#include "generator/generate.h"

BudgetTotals budgetTotals(const Force& force, const DesignList& designs, const SkillTable* skills) {
  BudgetTotals totals;
  for (int k = 0; k < force.roster.length(); ++k) {
    const Mech& slot = force.roster[k];
    if (slot.kind == SlotKind::open) continue;
    const DesignNumbers* row = designs.find(slot.name.c_str());
    if (!row) continue;
    totals.points += row->points.value_or(0);
    totals.tonsHundredths += row->tonsHundredths.value_or(0);
    if (skills)
      totals.skillPoints += skills->pointsOf(row->points, slot.piloting, slot.gunnery).value_or(0);
  }
  return totals;
}

bool withinBand(const Force& force, const BudgetBand& band, const DesignList& designs,
                const SkillTable* skills) {
  if (band.skillPoints && !skills) return false;
  const BudgetTotals totals = budgetTotals(force, designs, skills);
  return (!band.points || band.points->holds(totals.points)) &&
         (!band.tonsHundredths || band.tonsHundredths->holds(totals.tonsHundredths)) &&
         (!band.skillPoints || band.skillPoints->holds(totals.skillPoints));
}

std::optional<Force> drawBudgetTry(const TableText& tables, const Selection& selection,
                                   std::uint32_t seed, const BudgetBand& band,
                                   const DesignList& designs, const SkillTable* skills, int attempt,
                                   Side side) {
  Force force = generateForce(tables, selection, budgetDice(seed, 0, attempt, side));
  if (!withinBand(force, band, designs, skills)) return std::nullopt;
  force.seed = seed;
  force.budget = band;
  force.side = side;
  return force;
}

std::optional<BudgetTry> searchWithinBudget(const TableText& tables, const Selection& selection,
                                            std::uint32_t seed, const BudgetBand& band,
                                            const DesignList& designs, const SkillTable* skills,
                                            Side side) {
  for (int attempt = 0; attempt < kBudgetTries; ++attempt)
    if (std::optional<Force> force =
            drawBudgetTry(tables, selection, seed, band, designs, skills, attempt, side))
      return BudgetTry{std::move(*force), attempt};
  return std::nullopt;
}

std::optional<Force> drawWithinBudget(const TableText& tables, const Selection& selection,
                                      std::uint32_t seed, const BudgetBand& band,
                                      const DesignList& designs, const SkillTable* skills) {
  std::optional<BudgetTry> found =
      searchWithinBudget(tables, selection, seed, band, designs, skills);
  if (!found) return std::nullopt;
  return std::move(found->force);
}

bool rerollBudgetTry(Force& force, const TableText& tables, Reroll reroll,
                     const DesignList& designs, const SkillTable* skills, int attempt) {
  if (!force.budget) {
    rerollForce(force, tables, reroll);
    return true;
  }
  checkReroll(force, reroll);
  checkRerollRoom(force, 1);
  Force tried = force;
  rerollForce(tried, tables, reroll,
              budgetDice(force.seed, force.rerolls.size() + 1, attempt, force.side));
  if (!withinBand(tried, *force.budget, designs, skills)) return false;
  force = std::move(tried);
  return true;
}

std::optional<int> rerollWithinBudget(Force& force, const TableText& tables, Reroll reroll,
                                      const DesignList& designs, const SkillTable* skills) {
  if (!force.budget) {
    rerollForce(force, tables, reroll);
    return 0;
  }
  for (int attempt = 0; attempt < kBudgetTries; ++attempt)
    if (rerollBudgetTry(force, tables, reroll, designs, skills, attempt)) return attempt;
  return std::nullopt;
}
