// SPDX-License-Identifier: MIT
// Every weight table the draws reach in a table file, found once with the searches of
// table_search.h as a draw makes them after a design or a faction heading (a buffer that holds
// no weight word): each faction's section and the vehicle section, each of its four tables
// with its heading's line and its eleven entries, and where a search runs off the file, the
// message the draw would give. The owned draw, the odds, the design names and the collection's
// design list all read this one walk.
#ifndef MUSTERWRIGHT_TABLES_REACHABLE_TABLES_H
#define MUSTERWRIGHT_TABLES_REACHABLE_TABLES_H

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/apstring.h"
#include "tables/table_index.h"

// The names the draws give the places they search, in their messages.
inline constexpr const char* kFactionSectionName = "the faction's section";
inline constexpr const char* kVehicleSectionName = "the vehicle section";

struct ReachedTable {
  std::string weight;
  // The 1-based line of the heading at which the search stopped.
  long headingLine = 0;
  // Entry k at index k - 1, as pickEntry(k) gives it; empty when `error` is set.
  std::vector<apstring> entries;
  // The number of each entry's design in ReachableTables::designs.
  std::vector<int> designIds;
  // The TableError message of the first search that ran off the file, or "".
  std::string error;
};

struct ReachedSection {
  // The faction heading, or "vehicles".
  std::string label;
  // Where the section's heading searches start; 0 when `error` is set.
  std::size_t start = 0;
  // The faction search's TableError message, or ""; the section then has no tables.
  std::string error;
  // Light, Medium, Heavy and Assault, in that order.
  std::vector<ReachedTable> tables;

  // The table under heading `weight`, or null.
  const ReachedTable* table(std::string_view weight) const;
};

struct ReachableTables {
  // One per faction heading, in the order of the faction list.
  std::vector<ReachedSection> factions;
  ReachedSection vehicles;
  // Every design the tables hold, by folded name (foldedName, collection.h), in the order met,
  // and the number of each.
  std::vector<std::string> designs;
  std::unordered_map<std::string, int> designIds;

  // The section labelled `label` ("vehicles" for the vehicle section), or null.
  const ReachedSection* section(std::string_view label) const;
  // The table that a search for `weight` from `start` in the place named `section`
  // (kFactionSectionName or kVehicleSectionName) reaches, when a section starts there.
  const ReachedTable* table(std::size_t start, std::string_view weight,
                            std::string_view section) const;
};

// The table that a heading search for `weight` from `start`, with a buffer that holds no
// weight word, reaches; `section` names the place in messages. Never throws but for lack of
// memory.
ReachedTable reachTable(const TableIndex& index, std::size_t start, const char* weight,
                        std::string_view section);

// The walk of every section of `index`. Never throws but for lack of memory.
ReachableTables reachableTables(const TableIndex& index);

#endif
