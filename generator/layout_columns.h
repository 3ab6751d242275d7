// SPDX-License-Identifier: MIT
// Reads the columns of a design list that say where a design goes in the tables laid out from
// the list (tables/table_making.h): its weight class, kind, factions and rarity. Words match
// as the choice lists match them (choice_words.h): in any letter case, with the same aliases.
#ifndef MUSTERWRIGHT_GENERATOR_LAYOUT_COLUMNS_H
#define MUSTERWRIGHT_GENERATOR_LAYOUT_COLUMNS_H

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "tables/table_making.h"

// The layout cells of one row, as written.
struct LayoutCells {
  std::string weightClass;  // Light, Medium, Heavy or Assault; empty: the row gives numbers only
  std::string kind;         // mech or vehicle; empty is mech
  std::string factions;     // faction words separated by ";", or all; unused for a vehicle
  std::string rarity;       // common, uncommon, rare, very rare, or a number; empty is common
};

// The row's design, or none for a row without a weight class. `problems` names every cell that
// is none of its words, each as "<listName>, row <row>: ...": an unknown weight class, kind or
// faction word, no faction for a mech, a rarity that is no word and no number above 0 and at
// most 1,000 with at most two decimals. Blanks around a cell and around each faction word are
// ignored. Never throws but for lack of memory.
struct LayoutRead {
  std::optional<ListedDesign> design;
  std::vector<std::string> problems;
};
[[nodiscard]] LayoutRead readLayoutCells(const std::string& name, std::size_t row,
                                         const LayoutCells& cells, const std::string& listName);

#endif
