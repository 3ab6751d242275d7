// SPDX-License-Identifier: MIT
// The exact odds against the engine's own draws: many forces drawn with every choice Random,
// with and without vehicles, on the shipped table file, each figure within 4 standard errors of
// what the draws give.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "generator/generate.h"
#include "odds/force_odds.h"
#include "roster/force_data.h"
#include "tables/table_file.h"

namespace {

// One drawn slot: its design, what fills it, its weight class and its crew's skills.
struct DrawnSlot {
  std::string design, kind, weightClass, crew;
};

struct DrawnForce {
  std::string faction, size, weight, experience;
  std::vector<DrawnSlot> slots;
};

// The one place that draws with the engine; the forces come back as plain records.
DrawnForce drawForce(const TableText& tables, const Selection& choices, std::uint32_t seed) {
  const Force drawn =
      generateForce(tables,
                    Selection{choices.house.c_str(), choices.size.c_str(), choices.weight.c_str(),
                              choices.experience.c_str(), choices.withVehicles},
                    seed);
  DrawnForce force{
      drawn.house.c_str(), drawn.size.c_str(), drawn.weight.c_str(), drawn.experience.c_str(), {}};
  for (int k = 0; k < drawn.roster.length(); ++k) {
    const Mech& slot = drawn.roster[k];
    const bool armour = slot.kind == SlotKind::battleArmour;
    force.slots.push_back({slot.name.c_str(), slotKindWord(slot.kind),
                           armour ? drawn.weight.c_str() : slot.weightClass.c_str(),
                           std::string("P: ") + slot.piloting + " G: " + slot.gunnery});
  }
  return force;
}

using Key = std::tuple<std::string, std::string, std::string, std::string>;

// Per-force counts of a figure that is a share of the slots (or of the forces, when every
// force counts 1): the sums a ratio estimate and its standard error need.
struct Ratio {
  double x = 0, xx = 0, xn = 0;
};

struct Totals {
  double n = 0, nn = 0;
};

void addForce(std::map<Key, Ratio>& ratios, Totals& totals, const std::map<Key, double>& counts,
              double size) {
  totals.n += size;
  totals.nn += size * size;
  for (const auto& [key, count] : counts) {
    Ratio& r = ratios[key];
    r.x += count;
    r.xx += count * count;
    r.xn += count * size;
  }
}

// The standard error of the observed ratio when `exact` is the true one: from the spread of the
// per-force counts, but never below that of independent draws, which a rare figure seen only a
// few times would otherwise understate.
double standardError(const Ratio& r, const Totals& t, double exact) {
  const double spread = r.xx - 2 * exact * r.xn + exact * exact * t.nn;
  return std::sqrt(std::max(spread, exact * (1 - exact) * t.n)) / t.n;
}

// What one series of draws showed: the largest deviation of a figure, in standard errors; how
// many figures were checked, and of those how many a figure wrong by 1/36 would lie 6 or more
// standard errors away from (how fine the check is); how many slots were drawn.
struct Check {
  double largest = 0;
  std::size_t figures = 0, fine = 0;
  long drawn = 0;
};

Check checkAgainstDraws(const Selection& choices, long slotsWanted) {
  const TableText tables = readTableText(SHIPPED_TABLES);
  const OddsReport report = computeOdds(choices, tables.bytes, SHIPPED_TABLES);

  // Shares of the forces (choice words), of the slots (force parts) and of each table's draws.
  std::map<Key, Ratio> perForce, perSlot, perTable;
  Totals forces, slots;
  std::map<std::pair<std::string, std::string>, Totals> tableDraws;
  Check check;
  for (std::uint32_t seed = 1; check.drawn < slotsWanted; ++seed) {
    const DrawnForce force = drawForce(tables, choices, seed);
    check.drawn += static_cast<long>(force.slots.size());
    addForce(perForce, forces,
             {
                 {{"factions", "", "", force.faction},       1},
                 {{"sizes", "", "", force.size},             1},
                 {{"weights", "", "", force.weight},         1},
                 {{"experiences", "", "", force.experience}, 1}
    },
             1);
    std::map<Key, double> counts;
    for (const DrawnSlot& slot : force.slots) {
      counts[{"slot_weights", "", slot.weightClass, slot.weightClass}] += 1;
      counts[{"designs", slot.kind, slot.weightClass, slot.design}] += 1;
      counts[{"crew_skills", "", "", slot.crew}] += 1;
      if (slot.kind == "battle armour") continue;
      const std::string source = slot.kind == "vehicle" ? "vehicles" : force.faction;
      addForce(perTable,
               tableDraws[{
                   source, slot.weightClass
      }],
               {{{"tables", source, slot.weightClass, slot.design}, 1}}, 1);
    }
    addForce(perSlot, slots, counts, static_cast<double>(force.slots.size()));
  }

  for (const OddsPart& part : report.parts) {
    const std::string name = partKey(part.kind);
    if (name == "group_weights") continue;  // a listed force does not show its groups' weights
    const bool choice =
        name == "factions" || name == "sizes" || name == "weights" || name == "experiences";
    std::map<Key, Ratio>& observed = name == "tables" ? perTable : choice ? perForce : perSlot;
    for (const OddsRow& row : part.rows) {
      const Key key{name, row.source, row.weightClass, row.item};
      const Totals& totals = name == "tables" ? tableDraws[{row.source, row.weightClass}]
                             : choice         ? forces
                                              : slots;
      const double exact = row.chance.value();
      const double error = standardError(observed[key], totals, exact);
      const double drawn = observed[key].x / totals.n;
      const double sigmas = error > 0 ? std::abs(drawn - exact) / error : drawn == exact ? 0 : 99;
      EXPECT_LE(sigmas, 4) << name << " " << row.source << " " << row.weightClass << " " << row.item
                           << ": exact " << row.chance.text() << ", drawn " << drawn;
      check.largest = std::max(check.largest, sigmas);
      if (1.0 / 36 >= 6 * error) ++check.fine;
      ++check.figures;
      observed.erase(key);
    }
  }
  for (const auto* rest : {&perForce, &perSlot, &perTable}) {
    for (const auto& [key, ratio] : *rest)
      EXPECT_EQ(ratio.x, 0) << std::get<0>(key) << " " << std::get<3>(key)
                            << " was drawn but has no figure";
  }
  return check;
}

// The sanitizer build draws a fraction of the slots: it looks for memory faults, which show at
// any count, and runs several times slower.
#ifndef ODDS_DRAWS_DIVISOR
#define ODDS_DRAWS_DIVISOR 1
#endif

TEST(OddsAgainstDraws, EveryFigureLiesWithinFourStandardErrors) {
  const std::pair<Selection, long> series[] = {
      {{"Random", "Random", "Random", "Random", false}, 300000},
      {{"Random", "Random", "Random", "Random", true},  100000},
  };
  for (const auto& [choices, slots] : series) {
    const Check check = checkAgainstDraws(choices, slots / ODDS_DRAWS_DIVISOR);
    std::cout << (choices.withVehicles ? "with" : "without") << " vehicles: " << check.figures
              << " figures over " << check.drawn << " slots; largest deviation " << check.largest
              << " standard errors; " << check.fine
              << " figures would lie 6 or more away if wrong by 1/36\n";
  }
}

}  // namespace
