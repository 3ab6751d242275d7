// SPDX-License-Identifier: MIT
#include "roster/force_pair.h"

#include <algorithm>

#include "generator/budget_draw.h"
#include "roster/budget_words.h"
#include "roster/force_totals.h"

namespace {

std::string unitWords(Measure measure) {
  switch (measure) {
    case Measure::points:
      return "points";
    case Measure::tons:
      return "tons";
    case Measure::skillPoints:
      return "points with crew skill";
  }
  return "";
}

std::string totalWords(std::int64_t total, Measure measure) {
  return measure == Measure::tons ? tonsText(total) : pointsText(total);
}

// The designs of side a's filled slots that lack the measure's number, each once, in order.
std::vector<std::string> lackingDesigns(const Force& force, Measure measure,
                                        const DesignList& designs, const SkillTable* skills) {
  const ForceTotals totals = forceTotals(force, &designs, skills);
  std::vector<std::string> names;
  for (int k = 0; k < force.roster.length(); ++k) {
    if (force.roster[k].kind == SlotKind::open) continue;
    const SlotNumbers& numbers = totals.slots.at(static_cast<std::size_t>(k));
    const bool known = measure == Measure::points ? numbers.points.has_value()
                       : measure == Measure::tons ? numbers.tonsHundredths.has_value()
                                                  : numbers.skillPoints.has_value();
    const std::string name = force.roster[k].name.c_str();
    if (!known && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return names;
}

// The band side b is drawn within, from side a as drawn; refuses a side a that cannot be matched.
NumberRange sideBRange(const Force& sideA, Measure measure, const OpponentRequest& request,
                       const DesignList& designs, const SkillTable* skills) {
  if (measure == Measure::skillPoints && !skills) throw BudgetRefusal(budgetWithoutSkillsText());
  const std::vector<std::string> lacking = lackingDesigns(sideA, measure, designs, skills);
  if (!lacking.empty())
    throw BudgetRefusal("an opposing force in " + unitWords(measure) +
                        " needs them for every slot of the first force; " +
                        (measure == Measure::skillPoints ? "the design list or skill table"
                                                         : "the design list " + designs.name) +
                        " lacks them for " + namedDesigns(lacking));
  const std::int64_t total = measuredTotal(budgetTotals(sideA, designs, skills), measure);
  if (total <= 0)
    throw BudgetRefusal("the first force's total is 0 " + unitWords(measure) +
                        ": there is nothing for an opposing force to match");
  return balanceRange(total, request.handicap, request.tolerance);
}

}  // namespace

ForcePair matchForce(Force sideA, const std::vector<RerollItem>& rerollsA,
                     const OpponentRequest& request, const TableText& tables, std::uint32_t seed,
                     const DesignList& designs, const SkillTable* skills) {
  const Measure measure = measureOf(request, skills);
  const NumberRange range = sideBRange(sideA, measure, request, designs, skills);
  rerollBudgetForce(sideA, tables, rerollsA, &designs, skills);
  Force sideB = drawBudgetForce(tables, request.choices, seed, measureBand(measure, range), designs,
                                skills, nullptr, Side::b);
  try {
    rerollBudgetForce(sideB, tables, request.rerolls, &designs, skills);
  } catch (const BudgetRefusal&) {
    throw;
  } catch (const RerollError& error) {
    throw OpponentRerollError(error.what());
  }
  const Balance balance = balanceOf(sideA, sideB, request, designs, skills);
  return {std::move(sideA), std::move(sideB), balance};
}

Balance balanceOf(const Force& sideA, const Force& sideB, const OpponentRequest& request,
                  const DesignList& designs, const SkillTable* skills) {
  const Measure measure = measureOf(request, skills);
  const BudgetBand band = sideB.budget.value_or(BudgetBand{});
  const std::optional<NumberRange> range = measure == Measure::points ? band.points
                                           : measure == Measure::tons ? band.tonsHundredths
                                                                      : band.skillPoints;
  Balance balance{measure,
                  measuredTotal(budgetTotals(sideA, designs, skills), measure),
                  measuredTotal(budgetTotals(sideB, designs, skills), measure),
                  range.value_or(NumberRange{}),
                  request.handicap,
                  request.tolerance,
                  false};
  balance.outsideNow =
      !balanceRange(balance.sideA, request.handicap, request.tolerance).holds(balance.sideB);
  return balance;
}

const char* measureKey(Measure measure) {
  switch (measure) {
    case Measure::points:
      return "points";
    case Measure::tons:
      return "tons";
    case Measure::skillPoints:
      return "skill_points";
  }
  return "";
}

std::optional<std::int64_t> balanceTenths(const Balance& balance) {
  if (balance.sideA <= 0) return std::nullopt;
  return (balance.sideB * 2000 + balance.sideA) / (2 * balance.sideA);
}

std::string balanceLine(const Balance& balance) {
  std::string line = "Balance: " + totalWords(balance.sideB, balance.measure) + " against " +
                     totalWords(balance.sideA, balance.measure) + " " + unitWords(balance.measure) +
                     " (";
  if (const std::optional<std::int64_t> tenths = balanceTenths(balance))
    line += pointsText(*tenths / 10) + "." + std::to_string(*tenths % 10) + " %; ";
  line += "band " + totalWords(balance.band.low, balance.measure) + "\u2013" +
          totalWords(balance.band.high, balance.measure) + ")";
  if (balance.outsideNow) line += "; outside the band of side A's total now";
  return line;
}
