// SPDX-License-Identifier: MIT
// Makes a table file from a player's list of designs: each faction's weight table and each
// vehicle weight table that the list covers is laid out anew (entry_layout.h) in place of the
// base file's, every other byte of the base is kept, and the filler before the vehicle section
// is sized so that the result passes the checker (table_fit.h). The faction tables of all ten
// factions must fit before byte vehicleStart.
#ifndef MUSTERWRIGHT_TABLES_TABLE_MAKING_H
#define MUSTERWRIGHT_TABLES_TABLE_MAKING_H

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tables/table_layout.h"

enum class DesignKind { mech, vehicle };

using FactionSet = std::bitset<kFactionHeadings.size()>;

// One design of the list, as the tables take it.
struct ListedDesign {
  std::string name;  // the entry line, exactly
  int weight = 0;    // the index of its weight heading (kWeightHeadings)
  DesignKind kind = DesignKind::mech;
  FactionSet factions;        // the factions whose tables hold a mech; unused for a vehicle
  std::int64_t rarity = 800;  // the rarity weight in hundredths, above 0 (common: 800)
  std::size_t line = 0;       // the line of its row in the list, for messages
};

// A design's place in one table made.
struct MadeEntry {
  std::string name;
  std::size_t line = 0;      // of its row in the list
  std::int64_t rarity = 0;   // in hundredths
  int chance = 0;            // the chance given, in 36ths; 0 for a design left out
  std::vector<int> entries;  // its entries, 1 to 11 in roll order
};

// One table laid out: `faction` is an index into kFactionHeadings, or -1 for the vehicle table.
// Each kept design asks for rarity / `raritySum` of the table.
struct MadeTable {
  int faction = -1;
  int weight = 0;
  std::int64_t raritySum = 0;      // of the kept designs, in hundredths
  std::vector<MadeEntry> designs;  // kept, in list order
  std::vector<MadeEntry> leftOut;  // beyond eleven, in list order
};

// The file made, or why there is none.
struct TableMaking {
  std::string bytes;              // the table file when `problems` is empty
  std::vector<MadeTable> tables;  // the factions in list order, each by weight; vehicles last
  std::size_t bytesUsed = 0;      // the bytes before the filler, at most vehicleStart
  std::size_t bytesLeft = 0;      // vehicleStart - bytesUsed: what the faction tables may grow
  std::vector<std::string> problems;
};

// Why the searches would misread `name` as an entry line: it is empty, holds a line feed, carriage
// return or NUL byte, or equals a faction or weight heading; "" for a name they read as it is.
// Never throws but for lack of memory.
std::string entryNameProblem(const std::string& name);

// What keeps tables from being laid out over `base`, named `baseName`: the checker's messages
// (checkTableBytes, table_check.h), then a line saying the base must be mended; none for a base
// that passes. Never throws but for lack of memory.
std::vector<std::string> tableBaseProblems(std::string_view base, const std::string& baseName);

// Makes the table file from `base` (named `baseName` in messages) and `designs`. The entry
// lines of each table made are written in roll order, each design's name as given. Problems,
// each opening with `listName` or `baseName`: each design whose name has an entryNameProblem
// (with its line); the tableBaseProblems of the base; faction tables that end past vehicleStart
// (how many bytes must go, and the longest names laid out). Never throws but for lack of memory.
[[nodiscard]] TableMaking makeTableFile(std::string_view base, const std::string& baseName,
                                        std::span<const ListedDesign> designs,
                                        const std::string& listName);

#endif
