// The exact odds against the engine's own draws: many forces drawn with every choice Random
// and vehicles allowed on the shipped table file, each figure within 4 standard errors of what
// the draws give.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "generator/generate.h"
#include "odds/force_odds.h"
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
DrawnForce drawForce(std::uint32_t seed) {
  generateForce(Selection{"Random", "Random", "Random", "Random", true}, seed);
  DrawnForce force{house.c_str(), size.c_str(), weight.c_str(), experience.c_str(), {}};
  const char* kinds[] = {"mech", "vehicle", "battle armour"};
  for (int k = 0; k < roster.length(); ++k) {
    const Mech& slot = roster[k];
    const bool armour = slot.kind == SlotKind::battleArmour;
    force.slots.push_back({slot.name.c_str(), kinds[static_cast<int>(slot.kind)],
                           armour ? weight.c_str() : slot.weightClass.c_str(),
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

// How many standard errors the observed ratio lies from `exact` (0 when both agree exactly).
double deviation(const Ratio& r, const Totals& t, double exact) {
  const double observed = r.x / t.n;
  const double variance = r.xx - 2 * exact * r.xn + exact * exact * t.nn;
  const double error = std::sqrt(std::max(variance, 0.0)) / t.n;
  if (error == 0) return std::abs(observed - exact) < 1e-12 ? 0 : INFINITY;
  return std::abs(observed - exact) / error;
}

TEST(OddsAgainstDraws, EveryFigureLiesWithinFourStandardErrors) {
  openTableFile(SHIPPED_TABLES);
  const OddsReport report = computeOdds({"Random", "Random", "Random", "Random", true},
                                        readTableFile(SHIPPED_TABLES), SHIPPED_TABLES);

  // Shares of the forces (choice words), of the slots (force parts) and of each table's draws.
  std::map<Key, Ratio> perForce, perSlot, perTable;
  Totals forces, slots;
  std::map<std::pair<std::string, std::string>, Totals> tableDraws;
  long drawn = 0;
  for (std::uint32_t seed = 1; drawn < 200000; ++seed) {
    const DrawnForce force = drawForce(seed);
    drawn += static_cast<long>(force.slots.size());
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
      Totals& table = tableDraws[{source, slot.weightClass}];
      table.n += 1;
      table.nn += 1;
      Ratio& r = perTable[{"tables", source, slot.weightClass, slot.design}];
      r.x += 1;
      r.xx += 1;
      r.xn += 1;
    }
    addForce(perSlot, slots, counts, static_cast<double>(force.slots.size()));
  }

  double largest = 0;
  std::size_t checked = 0;
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
      const double sigmas = deviation(observed[key], totals, row.chance.value());
      EXPECT_LE(sigmas, 4) << name << " " << row.source << " " << row.weightClass << " " << row.item
                           << ": exact " << row.chance.text() << ", drawn "
                           << observed[key].x / totals.n;
      largest = std::max(largest, sigmas);
      ++checked;
      observed.erase(key);
    }
  }
  for (const auto* rest : {&perForce, &perSlot, &perTable}) {
    for (const auto& [key, ratio] : *rest)
      EXPECT_EQ(ratio.x, 0) << std::get<0>(key) << " " << std::get<3>(key)
                            << " was drawn but has no figure";
  }
  std::cout << "checked " << checked << " figures over " << drawn << " slots; largest deviation "
            << largest << " standard errors\n";
}

}  // namespace
