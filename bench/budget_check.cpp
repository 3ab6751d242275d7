// SPDX-License-Identifier: MIT
// Budgets, timed and checked by sampling (run by .ci/run, never by make test).
// Timing, in processor time (which other work on a busy machine does not inflate): the time per
// force of a Davion Company within a band of chance at least 1 %, and of a Clan Galaxy with
// vehicles within a 5 % band around its mean total, on the shipped files; and the time the
// band's chance takes for each.
// Sampling: on a table file in which every table holds two designs of different points, forces
// drawn within a band must come with the tables' chances divided by the band's: for every total
// in the band, the share of forces with that total lies within four standard errors of its
// chance (worked out exactly, band by band of one total) over the band's. Exit status 1 when a
// total strays or a force falls outside its band.
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "generator/budget_draw.h"
#include "odds/budget_odds.h"
#include "support/two_design_tables.h"

namespace {

// The processor time of this process since `start` (a std::clock() reading), in milliseconds.
double millisecondsSince(std::clock_t start) {
  return static_cast<double>(std::clock() - start) * 1000 / CLOCKS_PER_SEC;
}

// Forces of `choices` drawn within `band` for seeds 1 to `runs`: milliseconds per force.
double timeDraws(const TableText& tables, const Selection& choices, const BudgetBand& band,
                 const DesignList& designs, int runs) {
  const std::clock_t start = std::clock();
  for (int seed = 1; seed <= runs; ++seed)
    static_cast<void>(
        drawWithinBudget(tables, choices, static_cast<std::uint32_t>(seed), band, designs));
  return millisecondsSince(start) / runs;
}

void timeBudget(const char* label, const TableText& tables, const Selection& choices,
                const BudgetBand& band, const DesignList& designs, int runs) {
  const std::clock_t start = std::clock();
  const BandChance chance = bandChance(choices, tables.bytes, "Tables.dat", designs, band);
  const double chanceTime = millisecondsSince(start);
  std::printf(
      "budget: %s, %lld-%lld points, chance %.4g %%: %.3f ms per force, chance in %.1f ms\n", label,
      static_cast<long long>(band.points->low), static_cast<long long>(band.points->high),
      chance.value * 100, timeDraws(tables, choices, band, designs, runs), chanceTime);
}

// The sampling check of one case; false when a total strays.
bool sampleCheck(const char* label, const TableText& tables, const Selection& choices,
                 const BudgetBand& band, const DesignList& designs, int runs) {
  std::map<std::int64_t, int> counts;
  for (int seed = 1; seed <= runs; ++seed) {
    const std::optional<Force> force =
        drawWithinBudget(tables, choices, static_cast<std::uint32_t>(seed), band, designs);
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
  return sound ? 0 : 1;
}
