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
// and no number above 0 and at most 1,000 with at most two decimals; and a name the table file
// would misread (entryNameProblem, tables/table_making.h). Blanks around each faction word are
// ignored. Never throws but for lack of memory.
struct LayoutRead {
  std::optional<ListedDesign> design;
  std::vector<std::string> problems;
};
[[nodiscard]] LayoutRead readLayoutCells(const std::string& name, std::size_t line,
                                         const LayoutCells& cells, const std::string& listName);

// A design list read to lay tables out from: the list, and its designs that have a weight class,
// each named as its row writes it, in the order of their rows.
struct LayoutList {
  DesignListRead read;
  std::vector<ListedDesign> designs;
};

// The list held in `bytes`, named `listName` in messages, read as readDesignList reads it
// (quietly, without a table file's names, so every row keeps its own spelling) with each row's
// layout cells read as it is read (readLayoutCells). Throws DesignListError naming every problem
// of every row at once, its numbers and its layout alike, in line order; and, for a list
// without them, that no row has a weight class.
LayoutList readLayoutList(std::string_view bytes, const std::string& listName);

#endif
