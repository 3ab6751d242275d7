// SPDX-License-Identifier: MIT
#include "odds/collection_designs.h"

#include <algorithm>
#include <map>

#include "odds/force_odds.h"
#include "tables/collection.h"

std::vector<CollectionDesign> collectionDesigns(const std::string& tableBytes,
                                                std::string_view fileName) {
  Selection everything;
  everything.withVehicles = true;
  const OddsReport report = computeOdds(everything, tableBytes, fileName);
  std::map<std::string, CollectionDesign> designs;
  for (const OddsPart& part : report.parts) {
    if (part.kind != OddsPartKind::tables) continue;
    for (const OddsRow& row : part.rows) {
      CollectionDesign& design = designs[foldedName(row.item)];
      if (design.name.empty()) design.name = row.item;
      const std::string table = row.source + " " + row.weightClass;
      if (std::find(design.tables.begin(), design.tables.end(), table) == design.tables.end())
        design.tables.push_back(table);
    }
  }
  std::vector<CollectionDesign> sorted;
  for (auto& entry : designs) sorted.push_back(std::move(entry.second));
  return sorted;
}
