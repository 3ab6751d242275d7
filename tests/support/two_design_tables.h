// SPDX-License-Identifier: MIT
// A table file made for budgets, shared by the budget odds' tests and the budget bench: every
// table holds two designs, A on the odd entries and B on the even ones, and a design list gives
// them numbers that rise with the weight class, B above A, a vehicle below the mech of its class.
// A design is named by the first three letters of its faction ("Veh" for a vehicle), its weight
// class and its letter: "Kur Light A", "Veh Assault B".
#ifndef MUSTERWRIGHT_TESTS_TWO_DESIGN_TABLES_H
#define MUSTERWRIGHT_TESTS_TWO_DESIGN_TABLES_H

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "tables/design_list.h"
#include "tables/table_layout.h"

// The prefixes of the designs' names: the factions', then the vehicles'.
inline std::vector<std::string> twoDesignPrefixes() {
  std::vector<std::string> prefixes;
  for (const char* faction : kFactionHeadings)
    prefixes.push_back(std::string(faction).substr(0, 3));
  prefixes.emplace_back("Veh");
  return prefixes;
}

// A sound table file: the faction sections, filler up to the vehicle section's byte, and the
// vehicle section.
inline std::string twoDesignTables() {
  const auto table = [](const std::string& prefix, const std::string& weight) {
    std::string text = weight + "\n";
    for (int k = 1; k <= kTableEntries; ++k)
      text += prefix + " " + weight + (k % 2 == 1 ? " A" : " B") + "\n";
    return text;
  };
  const std::vector<std::string> prefixes = twoDesignPrefixes();
  std::string text = "Two designs a table\n";
  for (std::size_t f = 0; f < kFactionHeadings.size(); ++f) {
    text += std::string(kFactionHeadings[f]) + "\n";
    for (const char* weight : kWeightHeadings) text += table(prefixes[f], weight);
  }
  if (text.size() > static_cast<std::size_t>(vehicleStart))
    throw std::logic_error("the faction sections pass the vehicle section's byte");
  while (text.size() < static_cast<std::size_t>(vehicleStart))
    text += std::string(std::min<std::size_t>(vehicleStart - text.size(), 60) - 1, '-') + "\n";
  text += "Vehicles\n";
  for (const char* weight : kWeightHeadings) text += table(prefixes.back(), weight);
  return text;
}

// Weight class n (1 for Light) weighs 20n + 10 tons; a mech has 200n points, a vehicle 150n,
// and B 50 more than A.
inline DesignList twoDesignList() {
  std::string csv = "design,tons,points\n";
  std::vector<std::string> names;
  const std::vector<std::string> prefixes = twoDesignPrefixes();
  int rank = 0;
  for (const char* weight : kWeightHeadings) {
    ++rank;
    for (const std::string& prefix : prefixes) {
      const int base = prefix == prefixes.back() ? 150 * rank : 200 * rank;
      for (const char* design : {"A", "B"}) {
        const std::string name = prefix + " " + weight + " " + design;
        names.push_back(name);
        csv += name + "," + std::to_string(20 * rank + 10) + "," +
               std::to_string(base + (design[0] == 'B' ? 50 : 0)) + "\n";
      }
    }
  }
  return readDesignList(csv, "two.csv", "two", names, UnknownNames::quiet).list;
}

#endif
