// SPDX-License-Identifier: MIT
#include "odds/collection_designs.h"

#include <algorithm>
#include <map>

#include "tables/collection.h"

std::vector<CollectionDesign> collectionDesigns(const ReachableTables& reachable) {
  std::map<std::string, CollectionDesign> designs;
  const auto addSection = [&](const ReachedSection& section) {
    for (const ReachedTable& table : section.tables) {
      const std::string listed = section.label + " " + table.weight;
      for (const apstring& entry : table.entries) {
        CollectionDesign& design = designs[foldedName(entry.c_str())];
        if (design.name.empty()) design.name = entry.c_str();
        if (std::find(design.tables.begin(), design.tables.end(), listed) == design.tables.end())
          design.tables.push_back(listed);
      }
    }
  };
  for (const ReachedSection& faction : reachable.factions) addSection(faction);
  addSection(reachable.vehicles);
  std::vector<CollectionDesign> sorted;
  for (auto& entry : designs) sorted.push_back(std::move(entry.second));
  return sorted;
}

std::vector<CollectionDesign> collectionDesigns(const std::string& tableBytes,
                                                std::string_view fileName) {
  const TableIndex index(tableBytes, std::string(fileName));
  return collectionDesigns(reachableTables(index));
}
