// SPDX-License-Identifier: MIT
// Budgets, timed and checked by sampling (run by .ci/run, never by make test).
// Timing, in processor time (which other work on a busy machine does not inflate): the time per
// force of a Davion Company within a band of chance at least 1 %, and of a Clan Galaxy with
// vehicles within a 5 % band around its mean total, on the shipped files, and of the Davion
// Company within a band of points with crew skill of chance at least 1 %; and the time the
// band's chance takes for each.
// Pairs: the time per pair of a Davion Company and a matched Company, and of a Clan Galaxy and a
// matched Galaxy, both with vehicles for the Galaxy, in points within 5 %.
// Refusals: the time a band that no force reaches takes to be refused, for one star, a Company
// and a Galaxy, and for a band holding no multiple of the totals' step.
// Sampling: on a table file in which every table holds two designs of different points, forces
// drawn within a band must come with the tables' chances divided by the band's: for every total
// in the band, the share of forces with that total lies within four standard errors of its
// chance (worked out exactly, band by band of one total) over the band's; so too for the dice of
// an opposing force. Exit status 1 when a
// total strays or a force falls outside its band.
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "generator/budget_draw.h"
#include "generator/generate.h"
#include "odds/budget_odds.h"
#include "roster/budget_words.h"
#include "roster/force_pair.h"
#include "support/two_design_tables.h"

namespace {

// The processor time of this process since `start` (a std::clock() reading), in milliseconds.
double millisecondsSince(std::clock_t start) {
  return static_cast<double>(std::clock() - start) * 1000 / CLOCKS_PER_SEC;
}

// Forces of `choices` drawn within `band` for seeds 1 to `runs`: milliseconds per force.
double timeDraws(const TableText& tables, const Selection& choices, const BudgetBand& band,
                 const DesignList& designs, const SkillTable* skills, int runs) {
  const std::clock_t start = std::clock();
  for (int seed = 1; seed <= runs; ++seed)
    static_cast<void>(
        drawWithinBudget(tables, choices, static_cast<std::uint32_t>(seed), band, designs, skills));
  return millisecondsSince(start) / runs;
}

// Times the draws within `band`, in points or (with `skills`) in points with crew skill.
void timeBudget(const char* label, const TableText& tables, const Selection& choices,
                const BudgetBand& band, const DesignList& designs, int runs,
                const SkillTable* skills = nullptr) {
  const std::clock_t start = std::clock();
  const BandChance chance = bandChance(choices, tables.bytes, "Tables.dat", designs, band, skills);
  const double chanceTime = millisecondsSince(start);
  const NumberRange& range = skills ? *band.skillPoints : *band.points;
  std::printf(
      "budget: %s, %lld-%lld points%s, chance %.4g %%: %.3f ms per force, chance in "
      "%.1f ms\n",
      label, static_cast<long long>(range.low), static_cast<long long>(range.high),
      skills ? " with crew skill" : "", chance.value * 100,
      timeDraws(tables, choices, band, designs, skills, runs), chanceTime);
}

// The processor time drawBudgetForce takes to refuse `band`; false (and a line saying so) when
// it draws a force instead.
bool timeRefusal(const char* label, const TableText& tables, const Selection& choices,
                 const BudgetBand& band, const DesignList& designs) {
  const std::clock_t start = std::clock();
  try {
    static_cast<void>(drawBudgetForce(tables, choices, 1, band, designs));
  } catch (const BudgetRefusal& refusal) {
    std::printf("budget refusal: %s, %s: %.1f ms\n  %s\n", label, bandText(band).c_str(),
                millisecondsSince(start), refusal.what());
    return true;
  }
  std::printf("budget refusal: %s, %s: a force was drawn, no refusal\n", label,
              bandText(band).c_str());
  return false;
}

// The band of points from just above the lowest total the choices reach to just below the next.
BudgetBand gapAboveLowest(const Selection& choices, const TableText& tables,
                          const DesignList& designs) {
  const std::int64_t lowest = budgetReach(choices, tables.bytes, "Tables.dat", designs,
                                          {
                                              NumberRange{0,                                               0},
                                              {                                               }
  })
                                  .points.lowest;
  const BandSupport next = bandSupport(choices, tables.bytes, "Tables.dat", designs,
                                       {
                                           NumberRange{lowest + 1,                                   lowest + 1},
                                           {                                            }
  });
  return {
      NumberRange{lowest + 1, next.above.value_or(lowest + 2) - 1},
      {          }
  };
}

// The sampling check of one case, drawn on the dice of `side`; false when a total strays.
bool sampleCheck(const char* label, const TableText& tables, const Selection& choices,
                 const BudgetBand& band, const DesignList& designs, int runs, Side side = Side::a) {
  std::map<std::int64_t, int> counts;
  for (int seed = 1; seed <= runs; ++seed) {
    const std::optional<BudgetTry> drawn = searchWithinBudget(
        tables, choices, static_cast<std::uint32_t>(seed), band, designs, nullptr, side);
    const std::optional<Force> force = drawn ? std::optional<Force>(drawn->force) : std::nullopt;
    if (!force || !withinBand(*force, band, designs)) {
      std::printf("budget sampling: %s: seed %d gave no force within the band\n", label, seed);
      return false;
    }
    ++counts[budgetTotals(*force, designs).points];
  }
  const std::size_t totalsSeen = counts.size();
  const double bandShare = bandChance(choices, tables.bytes, "two", designs, band).value;
  double worst = 0;
  bool sound = true;
  for (std::int64_t total = band.points->low; total <= band.points->high; ++total) {
    const BudgetBand one{
        NumberRange{total, total},
        band.tonsHundredths
    };
    const double expected =
        bandChance(choices, tables.bytes, "two", designs, one).value / bandShare;
    const double seen = static_cast<double>(counts[total]) / runs;
    if (expected == 0 && seen == 0) continue;
    const double error = std::sqrt(std::max(expected * (1 - expected), 1e-12) / runs);
    worst = std::max(worst, std::abs(seen - expected) / error);
    if (std::abs(seen - expected) > 4 * error) {
      std::printf("budget sampling: %s: total %lld seen %.5f, expected %.5f\n", label,
                  static_cast<long long>(total), seen, expected);
      sound = false;
    }
  }
  std::printf(
      "budget sampling: %s: %d forces, %zu totals, band chance %.4g %%, worst %.2f "
      "standard errors: %s\n",
      label, runs, totalsSeen, bandShare * 100, worst, sound ? "ok" : "FAILED");
  return sound;
}

// Pairs of `first` and an opposing force of `second` matched in points, for seeds 1 to `runs`:
// prints milliseconds per pair against `most`; false when a pair was refused.
bool timePairs(const char* label, const TableText& tables, const Selection& first,
               const Selection& second, const DesignList& designs, int runs, double most) {
  OpponentRequest request;
  request.choices = second;
  request.measure = Measure::points;
  int refused = 0;
  const std::clock_t start = std::clock();
  for (int seed = 1; seed <= runs; ++seed) {
    const auto s = static_cast<std::uint32_t>(seed);
    try {
      static_cast<void>(
          matchForce(generateForce(tables, first, s), {}, request, tables, s, designs, nullptr));
    } catch (const BudgetRefusal&) {
      ++refused;
    }
  }
  const double each = millisecondsSince(start) / runs;
  std::printf("pair: %s: %.3f ms per pair (at most %.0f ms), %d of %d refused\n", label, each, most,
              refused, runs);
  return refused == 0;
}

}  // namespace

int main() {
  const TableText shipped = readTableText(SHIPPED_TABLES);
  const DesignList designs = readDesignListFile(SHIPPED_DESIGNS, {}, UnknownNames::quiet).list;
  const Selection company{"Davion", "Company", "Random", "Random", false};
  timeBudget("Davion Company", shipped, company,
             {
                 NumberRange{14500, 14700},
                 std::nullopt
  },
             designs, 200);
  const Selection galaxy{"Smoke Jaguar", "Galaxy", "Random", "Random", true};
  const BudgetReach reach = budgetReach(galaxy, shipped.bytes, "Tables.dat", designs,
                                        {
                                            NumberRange{0, 0},
                                            std::nullopt
  });
  const auto mean = static_cast<std::int64_t>(reach.points.mean);
  timeBudget("Smoke Jaguar Galaxy with vehicles", shipped, galaxy,
             {
                 NumberRange{mean - mean / 40, mean + mean / 40},
                 std::nullopt
  },
             designs, 50);

  bool matched = timePairs("Davion Company against a matched Davion Company", shipped, company,
                           company, designs, 100, 10);
  matched &= timePairs("Smoke Jaguar Galaxy against a matched Wolf Galaxy", shipped, galaxy,
                       {"Wolf", "Galaxy", "Random", "Random", true}, designs, 20, 100);

  const SkillTable skills = readSkillTableFile(SHIPPED_SKILLS, {}).table;
  BudgetBand skillBand;
  skillBand.skillPoints = NumberRange{15200, 15500};
  timeBudget("Davion Company", shipped, company, skillBand, designs, 200, &skills);
  const Selection wolfStar{"Wolf", "Star", "Random", "Random", false};
  bool refused = timeRefusal("Wolf Star", shipped, wolfStar,
                             {
                                 NumberRange{2850,                               3000},
                                 {                                  }
  },
                             designs);
  refused &= timeRefusal("Davion Company, no multiple of the tons' step", shipped, company,
                         {
                             {     },
                             NumberRange{ 70100, 70400}
  },
                         designs);
  refused &= timeRefusal("Davion Company, the gap above its lowest total", shipped, company,
                         gapAboveLowest(company, shipped, designs), designs);
  refused &= timeRefusal("Smoke Jaguar Galaxy with vehicles, the gap above its lowest total",
                         shipped, galaxy, gapAboveLowest(galaxy, shipped, designs), designs);

  const TableText two{twoDesignTables(), "two"};
  const DesignList twoList = twoDesignList();
  bool sound = sampleCheck("Kurita Company with vehicles", two,
                           {
                               "Kurita", "Company", "Random", "Random", true
  },
                           {NumberRange{5000, 5600}, std::nullopt}, twoList, 20000);
  sound &= sampleCheck("Wolf Star, 130-200 tons", two,
                       {
                           "Wolf", "Star", "Random", "Random", false
  },
                       {NumberRange{1000, 2000}, NumberRange{13000, 20000}}, twoList, 20000);
  sound &= sampleCheck("Kurita Company with vehicles, opposing force's dice", two,
                       {
                           "Kurita", "Company", "Random", "Random", true
  },
                       {NumberRange{5000, 5600}, std::nullopt}, twoList, 20000, Side::b);
  return sound && refused && matched ? 0 : 1;
}
