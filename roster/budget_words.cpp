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

// The word after a band's numbers.
constexpr const char* kWithCrewSkill = " with crew skill";

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

// The numbers of a design the band needs, as a refusal names them.
std::string neededNumbers(const BudgetBand& band) {
  const bool points = band.points || band.skillPoints;
  if (points && band.tonsHundredths) return "points or tons";
  return points ? "points" : "tons";
}

std::string crewWords(const std::vector<CrewPair>& crews) {
  std::string text;
  for (std::size_t k = 0; k < crews.size(); ++k)
    text += (k == 0                  ? ""
             : k + 1 == crews.size() ? " and "
                                     : ", ") +
            std::string("piloting ") + std::to_string(crews[k].piloting) + " gunnery " +
            std::to_string(crews[k].gunnery);
  return text;
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
  if (band.skillPoints && outside(*band.skillPoints, reach.skillPoints))
    reached +=
        (reached.empty() ? "" : " and ") + reachText(reach.skillPoints, false) + kWithCrewSkill;
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
    const auto step = [&](const std::optional<NumberRange>& range, std::int64_t size, bool tons,
                          const char* after) {
      if (range) steps += (steps.empty() ? "" : " and ") + totalText(size, tons) + after;
    };
    step(band.points, support.pointsStep, false, "");
    step(band.tonsHundredths, support.tonsStep, true, "");
    step(band.skillPoints, support.skillPointsStep, false, kWithCrewSkill);
    throw BudgetRefusal(start + "every total they reach is a multiple of " + steps +
                        copyLimitsNote(reach) + "; try a band that holds one");
  }
  if (!support.counted || support.reached || reach.copyLimitsIgnored) return;
  // The nearest totals are of the band's one number with a step.
  const auto nearText = [&band, &support](std::int64_t total) {
    if (band.points && support.pointsStep > 0) return totalText(total, false);
    if (band.tonsHundredths && support.tonsStep > 0) return totalText(total, true);
    return totalText(total, false) + kWithCrewSkill;
  };
  std::string nearest;
  if (support.below && support.above) {
    nearest = "the nearest totals they reach are " + nearText(*support.below) + " and " +
              nearText(*support.above);
  } else if (support.below || support.above) {
    nearest = "the nearest total they reach is " +
              nearText(support.below ? *support.below : *support.above);
  } else {
    nearest = "none of the totals they reach lies within both";
  }
  throw BudgetRefusal(start + nearest + "; try a band that holds one");
}

// Refuses `reroll` of `force`, drawn within a band, before any try when its part cannot bring
// the force into that band whatever it draws, the rest kept: the rest's totals and the part's
// lowest lie above the band, or with its highest below it. Drawing from owned copies the part's
// reach is not known (a slot may stay open), and the tries decide. A battle-armour slot keeps
// its design and draws its crew again.
void refuseHopelessReroll(const Force& force, Reroll reroll, const TableText& tables,
                          const DesignList& designs, const SkillTable* skills) {
  if (drawsFromOwned(force.collection, force.unique)) return;
  const BudgetBand& band = *force.budget;
  const int size = force.groupSize();
  const int first = (reroll.group - 1) * size + (reroll.slot == 0 ? 0 : reroll.slot - 1);
  const int count = reroll.slot == 0 ? size : 1;
  Force rest = force;
  for (int k = first; k < first + count; ++k) rest.roster[k].kind = SlotKind::open;
  const BudgetTotals restTotals = budgetTotals(rest, designs, skills);
  const std::string groupWeight =
      force.groupWeights.at(static_cast<std::size_t>(reroll.group - 1)).c_str();
  std::string slotWeight;
  if (reroll.slot != 0)
    slotWeight = force.roster[first].kind == SlotKind::battleArmour
                     ? groupWeight
                     : std::string(force.roster[first].weightClass.c_str());
  const ForcePart what{force.house.c_str(), force.isClan, force.withVehicles,
                       groupWeight,         slotWeight,   force.experience.c_str()};
  const BudgetReach part =
      partReach(what, tables.bytes, tables.name.string(), designs, band, skills);
  const auto misses = [](const std::optional<NumberRange>& range, std::int64_t kept,
                         const TotalReach& drawn) {
    return range && (kept + drawn.lowest > range->high || kept + drawn.highest < range->low);
  };
  if (!misses(band.points, restTotals.points, part.points) &&
      !misses(band.tonsHundredths, restTotals.tonsHundredths, part.tonsHundredths) &&
      !misses(band.skillPoints, restTotals.skillPoints, part.skillPoints))
    return;
  std::string totals;
  const auto reached = [&](const std::optional<NumberRange>& range, std::int64_t kept,
                           const TotalReach& drawn, bool tons, const char* after) {
    if (range)
      totals += (totals.empty() ? "" : " and ") +
                rangeText({kept + drawn.lowest, kept + drawn.highest}, tons) + after;
  };
  reached(band.points, restTotals.points, part.points, false, "");
  reached(band.tonsHundredths, restTotals.tonsHundredths, part.tonsHundredths, true, "");
  reached(band.skillPoints, restTotals.skillPoints, part.skillPoints, false, kWithCrewSkill);
  throw BudgetRefusal("re-roll " + rerollWord(reroll) +
                      ": whatever it draws, the force's totals "
                      "stay within " +
                      totals + ", outside " + bandText(band) + "; nothing was changed");
}

// Why the tries found no force within `band`: the band's chance; or, where the reachable totals
// were not listed before the tries (`listed`), that none lies within the band when so.
std::string givenUpText(const TableText& tables, const Selection& choices, const BudgetBand& band,
                        const DesignList& designs, const SkillTable* skills,
                        const BudgetReach& reach, bool listed) {
  const std::string fileName = tables.name.string();
  if (!listed) {
    try {
      refuseUnreached(band, bandSupport(choices, tables.bytes, fileName, designs, band, skills),
                      reach);
    } catch (const BudgetRefusal& refusal) {
      return refusal.what();
    }
  }
  const BandChance chance = bandChance(choices, tables.bytes, fileName, designs, band, skills);
  return "no force within " + bandText(band) + " in " + pointsText(kBudgetTries) +
         " tries: the band's chance is " + chanceText(chance) + copyLimitsNote(reach) +
         "; try a wider band";
}

}  // namespace

std::string namedDesigns(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t k = 0; k < names.size() && k < kNamedDesigns; ++k)
    text += (k == 0 ? "" : ", ") + names[k];
  if (names.size() > kNamedDesigns)
    text += " and " + std::to_string(names.size() - kNamedDesigns) + " more";
  return text;
}

std::string budgetWithoutDesignsText() {
  return "A budget needs the tons and points of a design list, and none is in use: choose one, "
         "or empty the budget box.";
}

std::string opponentWithoutDesignsText() {
  return "An opposing force is matched by the points of a design list, and none is in use: "
         "choose one.";
}

std::string budgetWithoutSkillsText() {
  return "A budget in points with crew skill needs a skill table, and none is in use: choose "
         "one, or empty that budget box.";
}

std::string bandText(const BudgetBand& band) {
  std::string text;
  if (band.points) text = rangeText(*band.points, false);
  if (band.tonsHundredths)
    text += (text.empty() ? "" : " \u00b7 ") + rangeText(*band.tonsHundredths, true);
  if (band.skillPoints)
    text += (text.empty() ? "" : " \u00b7 ") + rangeText(*band.skillPoints, false) + kWithCrewSkill;
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
                             int without, bool tons, const std::string& unit) {
    if (!range) return;
    std::string part;
    if (without > 0)
      part = std::to_string(without) + (without == 1 ? " slot" : " slots") + " without " + unit;
    else if (!range->holds(total))
      part = (tons ? tonsText(total) : pointsText(total)) + " " + unit;
    if (!part.empty()) left += (left.empty() ? "" : ", ") + part;
  };
  check(band.points, totals.points, totals.withoutPoints, false, "points");
  check(band.tonsHundredths, totals.tonsHundredths, totals.withoutTons, true, "tons");
  if (band.skillPoints && !totals.withSkill)
    left += (left.empty() ? "" : ", ") + std::string("no skill table");
  else
    check(band.skillPoints, totals.skillPoints, totals.withoutSkillPoints, false,
          band.skillPoints && totals.withoutSkillPoints > 0
              ? "crew skill"
              : std::string("points") + kWithCrewSkill);
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
                      const BudgetBand& band, const DesignList& designs, const SkillTable* skills,
                      BudgetSearches* searches, Side side) {
  if (band.skillPoints && !skills) throw BudgetRefusal(budgetWithoutSkillsText());
  const std::string fileName = tables.name.string();
  const BudgetReach reach = budgetReach(choices, tables.bytes, fileName, designs, band, skills);
  if (!reach.lacking.empty())
    throw BudgetRefusal("a budget in " + neededNumbers(band) +
                        " needs them for every design the draws can reach; design list " +
                        designs.name + " lacks them for " + namedDesigns(reach.lacking));
  if (!reach.lackingCrews.empty())
    throw BudgetRefusal(
        "a budget in points with crew skill needs a percent for every crew the draws can roll; "
        "skill table " +
        skills->name + " lacks one for " + crewWords(reach.lackingCrews));
  refuseOutside(band, reach);
  // The opposing force's band lists the reachable totals only once the tries give up.
  const bool listTotals = side == Side::a;
  refuseUnreached(
      band, bandSupport(choices, tables.bytes, fileName, designs, band, skills, listTotals), reach);
  const std::string key = searches ? drawSearchKey(tableChecksum(tables.bytes), choices, seed, band,
                                                   designs, skills, side)
                                   : "";
  if (const SearchOutcome* known = searches ? searches->find(key) : nullptr) {
    if (!known->attempt) throw BudgetRefusal(known->refusal);
    if (std::optional<Force> force =
            drawBudgetTry(tables, choices, seed, band, designs, skills, *known->attempt, side))
      return std::move(*force);
  }
  if (searches && !searches->searchHere) throw SearchElsewhere();
  std::optional<BudgetTry> found =
      searchWithinBudget(tables, choices, seed, band, designs, skills, side);
  SearchOutcome outcome;
  if (found) {
    outcome.attempt = found->attempt;
  } else {
    outcome.refusal = givenUpText(tables, choices, band, designs, skills, reach, listTotals);
  }
  if (searches) searches->keep(key, outcome);
  if (!found) throw BudgetRefusal(outcome.refusal);
  return std::move(found->force);
}

void rerollBudgetForce(Force& force, const TableText& tables, const std::vector<RerollItem>& items,
                       const DesignList* designs, const SkillTable* skills,
                       BudgetSearches* searches) {
  if (!force.budget || !designs) {
    rerollForce(force, tables, items);
    return;
  }
  if (force.budget->skillPoints && !skills) throw BudgetRefusal(budgetWithoutSkillsText());
  const std::vector<Reroll> rerolls = expandRerolls(items, force.groupCount());
  for (const Reroll& reroll : rerolls) checkReroll(force, reroll);
  checkRerollRoom(force, rerolls.size());
  const std::string checksum = searches ? tableChecksum(tables.bytes) : "";
  Force rolled = force;
  for (const Reroll& reroll : rerolls) {
    refuseHopelessReroll(rolled, reroll, tables, *designs, skills);
    const std::string key =
        searches ? rerollSearchKey(checksum, rolled, reroll, *designs, skills) : "";
    if (const SearchOutcome* known = searches ? searches->find(key) : nullptr) {
      if (!known->attempt) throw BudgetRefusal(known->refusal);
      if (rerollBudgetTry(rolled, tables, reroll, *designs, skills, *known->attempt)) continue;
    }
    if (searches && !searches->searchHere) throw SearchElsewhere();
    SearchOutcome outcome{rerollWithinBudget(rolled, tables, reroll, *designs, skills), ""};
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
                            const BudgetBand& band, const SkillTable* skills) {
  BudgetFigures figures{band,
                        budgetReach(choices, tableBytes, fileName, designs, band, skills),
                        bandChance(choices, tableBytes, fileName, designs, band, skills),
                        {}};
  figures.within = withinBand(choices, TableText(tableBytes, std::string(fileName)), designs, band,
                              skills, figures.chance.counted ? figures.chance.value : 1);
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
  const auto numberLines = [&](const std::string& name, const TotalReach& totals,
                               const TotalReach& inBand, bool tons) {
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
    return "  " + name + ": " + figuresText(totals) + "  " + name + " within the band" +
           (within.forces == 0 && !within.exact ? "" : estimate) + ": " +
           (within.designs.empty() ? none : figuresText(inBand));
  };
  if (figures.band.points) text += numberLines("points", reach.points, within.points, false);
  if (figures.band.tonsHundredths)
    text += numberLines("tons", reach.tonsHundredths, within.tonsHundredths, true);
  if (figures.band.skillPoints)
    text += numberLines(std::string("points") + kWithCrewSkill, reach.skillPoints,
                        within.skillPoints, false);
  if (reach.copyLimitsIgnored) text += "  copy limits are not counted\n";
  if (!reach.lacking.empty())
    text +=
        "  designs without the numbers, counted as nothing: " + namedDesigns(reach.lacking) + "\n";
  if (!reach.lackingCrews.empty())
    text +=
        "  crews without a percent, counted as nothing: " + crewWords(reach.lackingCrews) + "\n";
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
  if (figures.band.skillPoints && !figures.band.points && !figures.band.tonsHundredths)
    inBand = figuresJson(within.skillPoints, false, true);
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
  if (figures.band.skillPoints) {
    budget["skill_points"] = {
        {"low",  figures.band.skillPoints->low },
        {"high", figures.band.skillPoints->high}
    };
    reached["skill_points"] = figuresJson(reach.skillPoints, false, false);
    inBand["skill_points"] = figuresJson(within.skillPoints, false, true);
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
  if (figures.band.skillPoints) {
    budget["lacking_crews"] = Json::array();
    for (const CrewPair& crew : reach.lackingCrews)
      budget["lacking_crews"].push_back({
          {"piloting", crew.piloting},
          {"gunnery",  crew.gunnery }
      });
  }
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
  if (figures.band.skillPoints)
    both("skill_points", figures.reach.skillPoints, within.skillPoints, 1);
  for (const DesignShare& share : within.designs) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%.10g,,,%.10g", share.share, share.within);
    oddsCsv += "budget,share,,," + csvField(share.design) + "," + numbers + "\r\n";
  }
  return oddsCsv;
}
