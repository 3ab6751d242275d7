// SPDX-License-Identifier: MIT
// The report of tables laid out from a design list (tables/table_making.h), as text for people
// and as JSON. Chances are exact fractions in lowest terms, as the odds write them ("5/36",
// "1/6"), with percentages: the chance asked is a design's share of its table's rarity weights,
// the chance given the sum of its entries' chances.
#ifndef MUSTERWRIGHT_ROSTER_MADE_TABLES_DATA_H
#define MUSTERWRIGHT_ROSTER_MADE_TABLES_DATA_H

#include <array>
#include <string>
#include <vector>

#include "tables/table_making.h"

// The report's words, for a front end that lays them out as tables of its own: the opening
// line ("Tables laid out from mine.csv over Tables.dat."), each table with its heading ("Davion
// Light"), one row of cells a design under kMadeTablesColumns ("Pike Runner", "2", "common",
// "4/9 44.44%", "4/9 44.44%", "5, 6, 7") and a line for each design left out, then the closing
// line on the bytes used. madeTablesText lays the same words out in columns; a page lays them
// out as tables of its own, so that it carries no column layout it does not show.
inline constexpr std::array<const char*, 6> kMadeTablesColumns = {"Design", "Line",  "Rarity",
                                                                  "Asked",  "Given", "Entries"};
struct MadeTablesReport {
  struct Table {
    std::string heading;
    std::vector<std::array<std::string, kMadeTablesColumns.size()>> rows;
    std::vector<std::string> leftOut;
  };
  std::string opening;
  std::vector<Table> tables;
  std::string closing;
};
MadeTablesReport madeTablesReport(const TableMaking& making, const std::string& listName,
                                  const std::string& baseName);

// The report as text for people: each table laid out under "<section> <weight class>", one
// design a line with its list line, rarity, chance asked, chance given and entries (1 to 11 in
// roll order) in columns, then the designs left out; last, the bytes the faction tables use and
// leave before the vehicle section.
std::string madeTablesText(const MadeTablesReport& report);

// One JSON object ended by a line feed: "list", "base", "bytes_used", "bytes_left",
// "vehicle_section" (the byte), and "tables", each {"section" (a faction, or "vehicles" as the odds
// name it), "weight_class", "designs", "left_out"}; a design is {"design", "line", "rarity" (the
// weight, a number), "asked", "asked_percent", "given", "given_percent", "entries"}, a design left
// out {"design", "line", "rarity"}.
std::string madeTablesJson(const TableMaking& making, const std::string& listName,
                           const std::string& baseName);

#endif
