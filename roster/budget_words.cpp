// SPDX-License-Identifier: MIT
#include "roster/budget_words.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "generator/budget_draw.h"
#include "generator/generate.h"
#include "generator/owned_draw.h"
#include "roster/csv_field.h"
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

// Whether the chance has a figure to show: counted, and exact or not below what the count
// resolves.
bool resolvedChance(const BandChance& chance) {
  return chance.counted && (chance.exact || chance.value >= kSmallestResolvedChance);
}

// A share as a percentage to three significant figures: "4.17 %".
std::string percentText(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3g %%", share * 100);
  return text;
}

// A total of one number as people read it: "2,850 points", "42.5 tons".
std::string totalText(std::int64_t total, bool tons) {
  return tons ? tonsText(total) + " tons" : pointsText(total) + " points";
}

// Refuses a band that no total of the choices reaches, found without a try: one that holds no
// multiple of the totals' step, or, where the reachable totals were listed, none of them. With
// copy limits a table's copies may run out and leave slots open, which the list leaves out, so
// it refuses by the steps alone.
void refuseUnreached(const BudgetBand& band, const BandSupport& support, const BudgetReach& reach) {
  const std::string start = "no force of these choices lies within " + bandText(band) + ": ";
  if (!support.holdsSteps) {
    std::string steps;
    const auto step = [&](const std::optional<NumberRange>& range, std::int64_t size, bool tons) {
      if (range) steps += (steps.empty() ? "" : " and ") + totalText(size, tons);
    };
    step(band.points, support.pointsStep, false);
    step(band.tonsHundredths, support.tonsStep, true);
    throw BudgetRefusal(start + "every total they reach is a multiple of " + steps +
                        copyLimitsNote(reach) + "; try a band that holds one");
  }
  if (!support.counted || support.reached || reach.copyLimitsIgnored) return;
  const bool tons = !band.points || support.pointsStep == 0;
  std::string nearest;
  if (support.below && support.above) {
    nearest = "the nearest totals they reach are " + totalText(*support.below, tons) + " and " +
              totalText(*support.above, tons);
  } else if (support.below || support.above) {
    nearest = "the nearest total they reach is " +
              totalText(support.below ? *support.below : *support.above, tons);
  } else {
    nearest = "none of the totals they reach lies within both";
  }
  throw BudgetRefusal(start + nearest + "; try a band that holds one");
}

// Refuses `reroll` of `force`, drawn within a band, before any try when its part cannot bring
// the force into that band whatever it draws, the rest kept: the rest's totals and the part's
// lowest lie above the band, or with its highest below it. Drawing from owned copies the part's
// reach is not known (a slot may stay open), and the tries decide.
void refuseHopelessReroll(const Force& force, Reroll reroll, const TableText& tables,
                          const DesignList& designs) {
  if (drawsFromOwned(force.collection, force.unique)) return;
  const BudgetBand& band = *force.budget;
  const int size = force.groupSize();
  const int first = (reroll.group - 1) * size + (reroll.slot == 0 ? 0 : reroll.slot - 1);
  const int count = reroll.slot == 0 ? size : 1;
  Force rest = force;
  for (int k = first; k < first + count; ++k) rest.roster[k].kind = SlotKind::open;
  const BudgetTotals restTotals = budgetTotals(rest, designs);
  BudgetReach part;
  if (reroll.slot != 0 && force.roster[first].kind == SlotKind::battleArmour) {
    const BudgetTotals all = budgetTotals(force, designs);
    const std::int64_t points = all.points - restTotals.points;
    const std::int64_t tons = all.tonsHundredths - restTotals.tonsHundredths;
    part.points = {points, points, static_cast<double>(points)};
    part.tonsHundredths = {tons, tons, static_cast<double>(tons)};
  } else {
    const ForcePart what{force.house.c_str(), force.isClan, force.withVehicles,
                         force.groupWeights.at(static_cast<std::size_t>(reroll.group - 1)).c_str(),
                         reroll.slot == 0 ? "" : force.roster[first].weightClass.c_str()};
    part = partReach(what, tables.bytes, tables.name.string(), designs, band);
  }
  const auto misses = [](const std::optional<NumberRange>& range, std::int64_t kept,
                         const TotalReach& drawn) {
    return range && (kept + drawn.lowest > range->high || kept + drawn.highest < range->low);
  };
  if (!misses(band.points, restTotals.points, part.points) &&
      !misses(band.tonsHundredths, restTotals.tonsHundredths, part.tonsHundredths))
    return;
  const auto reached = [&](const std::optional<NumberRange>& range, std::int64_t kept,
                           const TotalReach& drawn, bool tons) {
    return range ? rangeText({kept + drawn.lowest, kept + drawn.highest}, tons) : std::string();
  };
  std::string totals = reached(band.points, restTotals.points, part.points, false);
  if (band.tonsHundredths)
    totals += (totals.empty() ? "" : " and ") +
              reached(band.tonsHundredths, restTotals.tonsHundredths, part.tonsHundredths, true);
  throw BudgetRefusal("re-roll " + rerollWord(reroll) +
                      ": whatever it draws, the force's totals "
                      "stay within " +
                      totals + ", outside " + bandText(band) + "; nothing was changed");
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
  if (!chance.exact && chance.value < kSmallestResolvedChance) return "below 1 in 10^12";
  char text[64];
  std::snprintf(text, sizeof text, "%.4g %%", chance.value * 100);
  return chance.exact ? chance.exact->text() + ", " + text : text;
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
  refuseUnreached(band, bandSupport(choices, tables.bytes, fileName, designs, band), reach);
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
  checkRerollRoom(force, rerolls.size());
  const std::string checksum = searches ? tableChecksum(tables.bytes) : "";
  Force rolled = force;
  for (const Reroll& reroll : rerolls) {
    refuseHopelessReroll(rolled, reroll, tables, *designs);
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
  BudgetFigures figures{band,
                        budgetReach(choices, tableBytes, fileName, designs, band),
                        bandChance(choices, tableBytes, fileName, designs, band),
                        {}};
  figures.within = withinBand(choices, TableText(tableBytes, std::string(fileName)), designs, band,
                              figures.chance.counted ? figures.chance.value : 1);
  return figures;
}

std::string sharesHeading(const WithinBand& within) {
  return std::string("Each design's share of the slots, of every force and within the band") +
         (within.exact ? "" : " (about, from the same forces and every try)");
}

std::string budgetFiguresText(const BudgetFigures& figures, bool withShares) {
  const BudgetReach& reach = figures.reach;
  std::string text =
      "\nBudget " + bandText(figures.band) + ": chance " + chanceText(figures.chance) + "\n";
  const WithinBand& within = figures.within;
  const std::string estimate =
      within.exact ? "" : ", about, from " + pointsText(within.forces) + " forces drawn within it";
  const auto numberLines = [&](const char* name, const TotalReach& totals, const TotalReach& inBand,
                               bool tons) {
    const auto figuresText = [tons](const TotalReach& reach) {
      const auto number = [tons](std::int64_t total) {
        return tons ? tonsText(total) : pointsText(total);
      };
      return "lowest " + number(reach.lowest) + ", highest " + number(reach.highest) + ", mean " +
             meanText(reach.mean, tons) + "\n";
    };
    const std::string none =
        within.exact ? "no force\n"
                     : "too rare to draw one in " + pointsText(kMostWithinTries) + " tries\n";
    return std::string("  ") + name + ": " + figuresText(totals) + "  " + name +
           " within the band" + (within.forces == 0 && !within.exact ? "" : estimate) + ": " +
           (within.designs.empty() ? none : figuresText(inBand));
  };
  if (figures.band.points) text += numberLines("points", reach.points, within.points, false);
  if (figures.band.tonsHundredths)
    text += numberLines("tons", reach.tonsHundredths, within.tonsHundredths, true);
  if (reach.copyLimitsIgnored) text += "  copy limits are not counted\n";
  if (!reach.lacking.empty())
    text +=
        "  designs without the numbers, counted as nothing: " + namedDesigns(reach.lacking) + "\n";
  if (within.designs.empty() || !withShares) return text;
  text += "  " + sharesHeading(within) + ":\n";
  for (const DesignShare& share : within.designs)
    text += "    " + share.design + ": " + percentText(share.share) + ", " +
            percentText(share.within) + "\n";
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
  const WithinBand& within = figures.within;
  const bool noneWithin = within.designs.empty();
  // The figures of one number, tons from hundredths; null within a band that no force lies in.
  const auto figuresJson = [&](const TotalReach& totals, bool tons, bool inBand) {
    if (inBand && noneWithin)
      return Json{
          {"lowest",  nullptr},
          {"highest", nullptr},
          {"mean",    nullptr}
      };
    const double unit = tons ? 100 : 1;
    return Json{
        {"lowest",  static_cast<double>(totals.lowest) / unit },
        {"highest", static_cast<double>(totals.highest) / unit},
        {"mean",    totals.mean / unit                        }
    };
  };
  Json budget = Json::object();
  Json reached = Json::object();
  Json inBand = Json::object();
  if (figures.band.tonsHundredths && !figures.band.points)
    inBand = figuresJson(within.tonsHundredths, true, true);
  if (figures.band.points) {
    budget["points"] = {
        {"low",  figures.band.points->low },
        {"high", figures.band.points->high}
    };
    reached["points"] = figuresJson(reach.points, false, false);
    Json points = figuresJson(within.points, false, true);
    inBand = points;
    inBand["points"] = std::move(points);
  }
  if (figures.band.tonsHundredths) {
    budget["tons"] = {
        {"low",  tonsValue(figures.band.tonsHundredths->low) },
        {"high", tonsValue(figures.band.tonsHundredths->high)}
    };
    reached["tons"] = figuresJson(reach.tonsHundredths, true, false);
    inBand["tons"] = figuresJson(within.tonsHundredths, true, true);
  }
  inBand["exact"] = within.exact;
  inBand["forces"] = within.forces;
  Json shares = Json::array();
  for (const DesignShare& share : within.designs)
    shares.push_back({
        {"design", share.design},
        {"share",  share.share },
        {"within", share.within}
    });
  budget["chance"] = chance.exact ? Json(chance.exact->text()) : Json(nullptr);
  budget["percent"] = resolvedChance(chance) ? Json(chance.value * 100) : Json(nullptr);
  budget["chance_text"] = chanceText(chance);
  budget["reach"] = std::move(reached);
  budget["copy_limits_counted"] = !reach.copyLimitsIgnored;
  budget["lacking"] = reach.lacking;
  budget["within"] = std::move(inBand);
  budget["designs"] = std::move(shares);
  odds["budget"] = std::move(budget);
  return odds.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string withBudgetCsv(std::string oddsCsv, const BudgetFigures& figures) {
  const BandChance& chance = figures.chance;
  char percent[64] = "";
  if (resolvedChance(chance)) std::snprintf(percent, sizeof percent, "%.10g", chance.value * 100);
  const std::string words = chance.exact             ? chance.exact->text()
                            : resolvedChance(chance) ? std::string()
                                                     : chanceText(chance);
  oddsCsv += "budget,,,,chance," + words + "," + percent + ",,\r\n";
  const auto rows = [&](const char* name, const TotalReach& totals, double unit,
                        const std::string& item) {
    char mean[64];
    std::snprintf(mean, sizeof mean, "%.10g", totals.mean / unit);
    const auto number = [unit](std::int64_t total) {
      char text[64];
      std::snprintf(text, sizeof text, "%.10g", static_cast<double>(total) / unit);
      return std::string(text);
    };
    const std::string start = std::string("budget,") + name + ",,," + item;
    oddsCsv += start + "lowest,,,," + number(totals.lowest) + "\r\n";
    oddsCsv += start + "highest,,,," + number(totals.highest) + "\r\n";
    oddsCsv += start + "mean,,,," + mean + "\r\n";
  };
  const WithinBand& within = figures.within;
  const auto both = [&](const char* name, const TotalReach& totals, const TotalReach& inBand,
                        double unit) {
    rows(name, totals, unit, "");
    if (!within.designs.empty()) rows(name, inBand, unit, "within_");
  };
  if (figures.band.points) both("points", figures.reach.points, within.points, 1);
  if (figures.band.tonsHundredths)
    both("tons", figures.reach.tonsHundredths, within.tonsHundredths, 100);
  for (const DesignShare& share : within.designs) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%.10g,,,%.10g", share.share, share.within);
    oddsCsv += "budget,share,,," + csvField(share.design) + "," + numbers + "\r\n";
  }
  return oddsCsv;
}
