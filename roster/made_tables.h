// SPDX-License-Identifier: MIT
// Tables laid out from a design list over a base table file, one way for every front end: the
// command line's --make-tables, the window's Tables From My List… and the page's layout panel
// hand the same list and base to layOutTables and get the same bytes, the same report and the
// same refusals back, and name the file made by the one rule of madeTablesFileName.
#ifndef MUSTERWRIGHT_ROSTER_MADE_TABLES_H
#define MUSTERWRIGHT_ROSTER_MADE_TABLES_H

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "roster/made_tables_data.h"
#include "tables/table_making.h"

// The tables laid out, or every reason there are none.
struct MadeTables {
  // Why nothing was laid out, one problem a line; none when the tables were laid out. A list
  // that cannot be laid out is refused before any table is: every problem of every row at once
  // (readLayoutList, generator/layout_columns.h), then the base's own, when it fails its check.
  std::vector<std::string> problems;
  // What the player should know of a list that was read: its notices (columns not used), and
  // the warning that it lacks battle armour's numbers (battleArmourWarning, design_source.h).
  std::vector<std::string> notices;
  std::vector<std::string> warnings;
  // The table file made (`making.bytes`) and its tables, for a report of one's own (JSON).
  TableMaking making;
  // The report's words (madeTablesReport, made_tables_data.h), which madeTablesText lays out as
  // text for people; empty when nothing was laid out.
  MadeTablesReport report;
  // The name the file made goes by (madeTablesFileName of the list).
  std::string fileName;

  bool made() const { return problems.empty(); }
};

// Lays out the tables of the design list held in `listBytes`, named `listName` in messages, over
// the table file `baseBytes`, named `baseName`. Never throws but for lack of memory.
[[nodiscard]] MadeTables layOutTables(std::string_view listBytes, const std::string& listName,
                                      std::string_view baseBytes, const std::string& baseName);

// The same for the design list at `list`, read by the one reader of design lists
// (designListBytes, tables/design_list.h) and named by its path; a list that cannot be read is
// the one problem.
[[nodiscard]] MadeTables layOutTables(const std::filesystem::path& list, std::string_view baseBytes,
                                      const std::string& baseName);

// The name of the table file laid out from the list `listName`: its name without folder and
// extension, then "-tables.dat" ("mine.csv" gives "mine-tables.dat").
std::string madeTablesFileName(const std::string& listName);

// What a front end says after the problems of a list that was not laid out: "The tables of
// mine.csv were not laid out."
std::string notLaidOutText(const std::string& listName);

// What a front end says when asked to lay tables out with no design list in use.
std::string noDesignListToLayOutText();

#endif
