// SPDX-License-Identifier: MIT
#include "odds/within_band.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "generator/budget_draw.h"
#include "generator/generate.h"

namespace {

// Slots counted by design: every slot under "", a named one under its name too.
using SlotCounts = std::map<std::string, long>;

void countSlots(const Force& force, SlotCounts& counts) {
  for (int k = 0; k < force.roster.length(); ++k) {
    ++counts[""];
    if (force.roster[k].kind != SlotKind::open) ++counts[force.roster[k].name.c_str()];
  }
}

void widen(TotalReach& reach, std::int64_t total, bool first) {
  reach.lowest = first ? total : std::min(reach.lowest, total);
  reach.highest = first ? total : std::max(reach.highest, total);
  reach.mean += static_cast<double>(total);
}

WithinBand estimated(const Selection& choices, const TableText& tables, const DesignList& designs,
                     const BudgetBand& band) {
  WithinBand figures;
  SlotCounts every, kept;
  int tries = 0;
  for (int seed = 1; seed <= kWithinDraws && tries < kMostWithinTries; ++seed) {
    for (int attempt = 0; attempt < kBudgetTries && tries < kMostWithinTries; ++attempt) {
      ++tries;
      const Force force =
          generateForce(tables, choices, budgetDice(static_cast<std::uint32_t>(seed), 0, attempt));
      countSlots(force, every);
      if (!withinBand(force, band, designs)) continue;
      countSlots(force, kept);
      const BudgetTotals totals = budgetTotals(force, designs);
      const bool first = figures.forces++ == 0;
      if (band.points) widen(figures.points, totals.points, first);
      if (band.tonsHundredths) widen(figures.tonsHundredths, totals.tonsHundredths, first);
      break;
    }
  }
  if (figures.forces == 0) return figures;
  figures.points.mean /= figures.forces;
  figures.tonsHundredths.mean /= figures.forces;
  for (const auto& [design, slots] : every) {
    if (design.empty()) continue;
    const auto within = kept.find(design);
    figures.designs.push_back(
        {design, static_cast<double>(slots) / static_cast<double>(every.at("")),
         within == kept.end()
             ? 0.0
             : static_cast<double>(within->second) / static_cast<double>(kept.at(""))});
  }
  sortShares(figures.designs);
  return figures;
}

}  // namespace

WithinBand withinBand(const Selection& choices, const TableText& tables, const DesignList& designs,
                      const BudgetBand& band, double chance) {
  if (std::optional<WithinBand> exact =
          exactWithinBand(choices, tables.bytes, tables.name.string(), designs, band))
    return std::move(*exact);
  if (chance * kMostWithinTries < 1) return {};
  return estimated(choices, tables, designs, band);
}
