// SPDX-License-Identifier: MIT
// The report of tables laid out from a design list (tables/table_making.h), as text for people
// and as JSON. Chances are exact fractions in lowest terms, as the odds write them ("5/36",
// "1/6"), with percentages: the chance asked is a design's share of its table's rarity weights,
// the chance given the sum of its entries' chances.
#ifndef MUSTERWRIGHT_ROSTER_MADE_TABLES_DATA_H
#define MUSTERWRIGHT_ROSTER_MADE_TABLES_DATA_H

#include <string>

#include "tables/table_making.h"

// Each table laid out under "<section> <weight class>", one design a line with its list line,
// rarity, chance asked, chance given and entries (1 to 11 in roll order), then the designs
// left out; last, the bytes the faction tables use and leave before the vehicle section.
std::string madeTablesText(const TableMaking& making, const std::string& listName,
                           const std::string& baseName);

// One JSON object ended by a line feed: "list", "base", "bytes_used", "bytes_left",
// "vehicle_section" (the byte), and "tables", each {"section" (a faction, or "vehicles" as the odds
// name it), "weight_class", "designs", "left_out"}; a design is {"design", "line", "rarity" (the
// weight, a number), "asked", "asked_percent", "given", "given_percent", "entries"}, a design left
// out {"design", "line", "rarity"}.
std::string madeTablesJson(const TableMaking& making, const std::string& listName,
                           const std::string& baseName);

#endif
