// SPDX-License-Identifier: MIT
// The designs a player may own for a table file: every design that a draw can reach, vehicles
// included, once per name, with the tables that list it. Front ends offer these for a collection.
#ifndef MUSTERWRIGHT_ODDS_COLLECTION_DESIGNS_H
#define MUSTERWRIGHT_ODDS_COLLECTION_DESIGNS_H

#include <string>
#include <string_view>
#include <vector>

#include "tables/reachable_tables.h"

struct CollectionDesign {
  // The name as the first table listing it spells it; names that differ only in ASCII letter
  // case are one design (foldedName, tables/collection.h).
  std::string name;
  // Each table listing it, "Davion Heavy" or "vehicles Light", in the order the odds list them.
  std::vector<std::string> tables;
};

// The designs of the tables the walk reached, sorted by folded name: every faction's, then the
// vehicle section's. A table or section that a search runs off the file for offers none, as
// Generate draws nothing from it, so a quirky file lists what Generate can reach (its
// tableWarning, tables/table_check.h, tells the user why the rest is missing). Never throws
// but for lack of memory.
std::vector<CollectionDesign> collectionDesigns(const ReachableTables& reachable);

// The same for the table file whose bytes are `tableBytes` (as readTableFile gives them), named
// `fileName`.
std::vector<CollectionDesign> collectionDesigns(const std::string& tableBytes,
                                                std::string_view fileName);

#endif
