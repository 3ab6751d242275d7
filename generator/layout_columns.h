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

#include "tables/design_list.h"
#include "tables/table_making.h"

// The design of the row on line `line` of the list, or none for a row without a weight class.
// `problems` names every cell that is none of its words, each as "<listName>, line <line>: ...":
// an unknown weight class, kind or faction word, no faction for a mech, a rarity that is no word
// and no number above 0 and at most 1,000 with at most two decimals. Blanks around each faction
// word are ignored. Never throws but for lack of memory.
struct LayoutRead {
  std::optional<ListedDesign> design;
  std::vector<std::string> problems;
};
[[nodiscard]] LayoutRead readLayoutCells(const std::string& name, std::size_t line,
                                         const LayoutCells& cells, const std::string& listName);

// The designs of `list` that have a weight class, each named as its row writes it, in the
// order of their rows. Throws DesignListError (design_list.h) naming every problem of every
// row as readLayoutCells does, and when no row has a weight class.
std::vector<ListedDesign> layoutDesigns(const DesignList& list, const std::string& listName);

#endif
