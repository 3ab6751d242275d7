// SPDX-License-Identifier: MIT
#include "roster/budget_words.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "generator/budget_draw.h"
#include "generator/generate.h"
#include "roster/force_totals.h"
#include "roster/listing.h"
#include "tables/table_identity.h"

namespace {

// The designs a refusal names before saying how many more lack a number.
constexpr std::size_t kNamedDesigns = 10;

std::string rangeText(const NumberRange& range, bool tons) {
  return tons ? tonsText(range.low) + "\u2013" + tonsText(range.high) + " tons"
              : pointsText(range.low) + "\u2013" + pointsText(range.high) + " points";
}

std::string reachText(const TotalReach& reach, bool tons) {
  return rangeText({reach.lowest, reach.highest}, tons);
}

std::string meanText(double mean, bool tons) {
  if (tons) return tonsText(std::llround(mean));
  const std::int64_t tenths = std::llround(mean * 10);
  return pointsText(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string namedDesigns(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t k = 0; k < names.size() && k < kNamedDesigns; ++k)
    text += (k == 0 ? "" : ", ") + names[k];
  if (names.size() > kNamedDesigns)
    text += " and " + std::to_string(names.size() - kNamedDesigns) + " more";
  return text;
}

// The numbers the band holds, as a refusal names them.
std::string neededNumbers(const BudgetBand& band) {
  if (band.points && band.tonsHundredths) return "points or tons";
  return band.points ? "points" : "tons";
}

const char* copyLimitsNote(const BudgetReach& reach) {
  return reach.copyLimitsIgnored ? " (copy limits not counted)" : "";
}

void refuseOutside(const BudgetBand& band, const BudgetReach& reach) {
  const auto outside = [](const NumberRange& range, const TotalReach& totals) {
    return range.high < totals.lowest || range.low > totals.highest;
  };
  std::string reached;
  if (band.points && outside(*band.points, reach.points)) reached = reachText(reach.points, false);
  if (band.tonsHundredths && outside(*band.tonsHundredths, reach.tonsHundredths))
    reached += (reached.empty() ? "" : " and ") + reachText(reach.tonsHundredths, true);
  if (!reached.empty())
    throw BudgetRefusal("no force of these choices lies within " + bandText(band) +
                        ": the totals they can reach are " + reached + copyLimitsNote(reach));
}

}  // namespace

std::string budgetWithoutDesignsText() {
  return "A budget needs the tons and points of a design list, and none is in use: choose one, "
         "or empty the budget box.";
}

std::string bandText(const BudgetBand& band) {
  std::string text;
  if (band.points) text = rangeText(*band.points, false);
  if (band.tonsHundredths)
    text += (text.empty() ? "" : " \u00b7 ") + rangeText(*band.tonsHundredths, true);
  return text;
}

std::string budgetCaption(const Force& force) {
  return force.budget ? bandText(*force.budget) : "";
}

std::string bandLeftNotice(const Force& force, const Totals& totals, const DesignList* designs) {
  if (!force.budget) return "";
  const BudgetBand& band = *force.budget;
  std::string left;
  const auto check = [&left](const std::optional<NumberRange>& range, std::int64_t total,
                             int without, bool tons) {
    if (!range) return;
    const std::string unit = tons ? "tons" : "points";
    std::string part;
    if (without > 0)
      part = std::to_string(without) + (without == 1 ? " slot" : " slots") + " without " + unit;
    else if (!range->holds(total))
      part = (tons ? tonsText(total) : pointsText(total)) + " " + unit;
    if (!part.empty()) left += (left.empty() ? "" : ", ") + part;
  };
  check(band.points, totals.points, totals.withoutPoints, false);
  check(band.tonsHundredths, totals.tonsHundredths, totals.withoutTons, true);
  if (left.empty()) return "";
  const std::string list =
      designs ? "the design list " + designs->name + " (" + shortIdentity(designs->identity) + ")"
              : "no design list";
  return "Under " + list + ", this force's totals leave the band it was drawn in, " +
         bandText(band) + ": " + left + ".";
}

std::string chanceText(const BandChance& chance) {
  if (!chance.counted) return "too many totals to count";
  if (chance.exact) return chance.exact->text();
  char text[64];
  std::snprintf(text, sizeof text, "%.4g %%", chance.value * 100);
  return text;
}

Force drawBudgetForce(const TableText& tables, const Selection& choices, std::uint32_t seed,
                      const BudgetBand& band, const DesignList& designs, BudgetSearches* searches) {
  const std::string fileName = tables.name.string();
  const BudgetReach reach = budgetReach(choices, tables.bytes, fileName, designs, band);
  if (!reach.lacking.empty())
    throw BudgetRefusal("a budget in " + neededNumbers(band) +
                        " needs them for every design the draws can reach; design list " +
                        designs.name + " lacks them for " + namedDesigns(reach.lacking));
  refuseOutside(band, reach);
  const std::string key =
      searches ? drawSearchKey(tableChecksum(tables.bytes), choices, seed, band, designs) : "";
  if (const SearchOutcome* known = searches ? searches->find(key) : nullptr) {
    if (!known->attempt) throw BudgetRefusal(known->refusal);
    if (std::optional<Force> force =
            drawBudgetTry(tables, choices, seed, band, designs, *known->attempt))
      return std::move(*force);
  }
  if (searches && !searches->searchHere) throw SearchElsewhere();
  std::optional<BudgetTry> found = searchWithinBudget(tables, choices, seed, band, designs);
  SearchOutcome outcome;
  if (found) {
    outcome.attempt = found->attempt;
  } else {
    const BandChance chance = bandChance(choices, tables.bytes, fileName, designs, band);
    outcome.refusal = "no force within " + bandText(band) + " in " + pointsText(kBudgetTries) +
                      " tries: the band's chance is " + chanceText(chance) + copyLimitsNote(reach) +
                      "; try a wider band";
  }
  if (searches) searches->keep(key, outcome);
  if (!found) throw BudgetRefusal(outcome.refusal);
  return std::move(found->force);
}

void rerollBudgetForce(Force& force, const TableText& tables, const std::vector<RerollItem>& items,
                       const DesignList* designs, BudgetSearches* searches) {
  if (!force.budget || !designs) {
    rerollForce(force, tables, items);
    return;
  }
  const std::vector<Reroll> rerolls = expandRerolls(items, force.groupCount());
  for (const Reroll& reroll : rerolls) checkReroll(force, reroll);
  const std::string checksum = searches ? tableChecksum(tables.bytes) : "";
  Force rolled = force;
  for (const Reroll& reroll : rerolls) {
    const std::string key = searches ? rerollSearchKey(checksum, rolled, reroll, *designs) : "";
    if (const SearchOutcome* known = searches ? searches->find(key) : nullptr) {
      if (!known->attempt) throw BudgetRefusal(known->refusal);
      if (rerollBudgetTry(rolled, tables, reroll, *designs, *known->attempt)) continue;
    }
    if (searches && !searches->searchHere) throw SearchElsewhere();
    SearchOutcome outcome{rerollWithinBudget(rolled, tables, reroll, *designs), ""};
    if (!outcome.attempt)
      outcome.refusal = "re-roll " + rerollWord(reroll) + ": no draw in " +
                        pointsText(kBudgetTries) + " tries keeps the force within " +
                        bandText(*force.budget) + "; nothing was changed";
    if (searches) searches->keep(key, outcome);
    if (!outcome.attempt) throw BudgetRefusal(outcome.refusal);
  }
  force = std::move(rolled);
}

BudgetFigures budgetFigures(const Selection& choices, const std::string& tableBytes,
                            std::string_view fileName, const DesignList& designs,
                            const BudgetBand& band) {
  return {band, budgetReach(choices, tableBytes, fileName, designs, band),
          bandChance(choices, tableBytes, fileName, designs, band)};
}

std::string budgetFiguresText(const BudgetFigures& figures) {
  const BudgetReach& reach = figures.reach;
  std::string text =
      "\nBudget " + bandText(figures.band) + ": chance " + chanceText(figures.chance) + "\n";
  const auto numberLine = [](const char* name, const TotalReach& totals, bool tons) {
    const auto number = [tons](std::int64_t total) {
      return tons ? tonsText(total) : pointsText(total);
    };
    return std::string("  ") + name + ": lowest " + number(totals.lowest) + ", highest " +
           number(totals.highest) + ", mean " + meanText(totals.mean, tons) + "\n";
  };
  if (figures.band.points) text += numberLine("points", reach.points, false);
  if (figures.band.tonsHundredths) text += numberLine("tons", reach.tonsHundredths, true);
  if (reach.copyLimitsIgnored) text += "  copy limits are not counted\n";
  if (!reach.lacking.empty())
    text +=
        "  designs without the numbers, counted as nothing: " + namedDesigns(reach.lacking) + "\n";
  return text;
}

std::string withBudgetJson(const std::string& oddsJson, const BudgetFigures& figures) {
  using Json = nlohmann::ordered_json;
  Json odds = Json::parse(oddsJson);
  const BandChance& chance = figures.chance;
  const BudgetReach& reach = figures.reach;
  const auto tonsValue = [](std::int64_t hundredths) {
    return static_cast<double>(hundredths) / 100;
  };
  Json budget = Json::object();
  Json reached = Json::object();
  if (figures.band.points) {
    budget["points"] = {
        {"low",  figures.band.points->low },
        {"high", figures.band.points->high}
    };
    reached["points"] = {
        {"lowest",  reach.points.lowest },
        {"highest", reach.points.highest},
        {"mean",    reach.points.mean   }
    };
  }
  if (figures.band.tonsHundredths) {
    budget["tons"] = {
        {"low",  tonsValue(figures.band.tonsHundredths->low) },
        {"high", tonsValue(figures.band.tonsHundredths->high)}
    };
    reached["tons"] = {
        {"lowest",  tonsValue(reach.tonsHundredths.lowest) },
        {"highest", tonsValue(reach.tonsHundredths.highest)},
        {"mean",    reach.tonsHundredths.mean / 100        }
    };
  }
  budget["chance"] = chance.exact ? Json(chance.exact->text()) : Json(nullptr);
  budget["percent"] = chance.counted ? Json(chance.value * 100) : Json(nullptr);
  budget["reach"] = std::move(reached);
  budget["copy_limits_counted"] = !reach.copyLimitsIgnored;
  budget["lacking"] = reach.lacking;
  odds["budget"] = std::move(budget);
  return odds.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string withBudgetCsv(std::string oddsCsv, const BudgetFigures& figures) {
  const BandChance& chance = figures.chance;
  char percent[64] = "";
  if (chance.counted) std::snprintf(percent, sizeof percent, "%.10g", chance.value * 100);
  oddsCsv += "budget,,,,chance," + (chance.exact ? chance.exact->text() : std::string()) + "," +
             percent + ",,\r\n";
  const auto rows = [&](const char* name, const TotalReach& totals, double unit) {
    char mean[64];
    std::snprintf(mean, sizeof mean, "%.10g", totals.mean / unit);
    const auto number = [unit](std::int64_t total) {
      char text[64];
      std::snprintf(text, sizeof text, "%.10g", static_cast<double>(total) / unit);
      return std::string(text);
    };
    oddsCsv += std::string("budget,") + name + ",,,lowest,,,," + number(totals.lowest) + "\r\n";
    oddsCsv += std::string("budget,") + name + ",,,highest,,,," + number(totals.highest) + "\r\n";
    oddsCsv += std::string("budget,") + name + ",,,mean,,,," + mean + "\r\n";
  };
  if (figures.band.points) rows("points", figures.reach.points, 1);
  if (figures.band.tonsHundredths) rows("tons", figures.reach.tonsHundredths, 100);
  return oddsCsv;
}
