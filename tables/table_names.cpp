// SPDX-License-Identifier: MIT
#include "tables/table_names.h"

#include <algorithm>

#include "tables/reachable_tables.h"

std::vector<std::string> tableDesignNames(const ReachableTables& reachable) {
  std::vector<std::string> names;
  const auto addSection = [&](const ReachedSection& section) {
    for (const ReachedTable& table : section.tables) {
      for (const apstring& entry : table.entries) {
        const std::string name = entry.c_str();
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
      }
    }
  };
  for (const ReachedSection& faction : reachable.factions) addSection(faction);
  addSection(reachable.vehicles);
  return names;
}

std::vector<std::string> tableDesignNames(const std::string& bytes, std::string_view fileName) {
  const TableIndex index(bytes, std::string(fileName));
  return tableDesignNames(reachableTables(index));
}
