// SPDX-License-Identifier: MIT
// The weight tables that the draws reach in a table file's text, as the walk of the file's
// tables (tables/reachable_tables.h) found them with the generation's own faction search,
// heading search and entry pick, so that whatever those searches make of the file (a section
// lacking a table lends the next one of its weight, a vehicle section away from its byte) is
// what these tables hold.
#ifndef MUSTERWRIGHT_ODDS_DRAWN_TABLES_H
#define MUSTERWRIGHT_ODDS_DRAWN_TABLES_H

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "odds/fraction.h"
#include "tables/reachable_tables.h"
#include "tables/table_index.h"
#include "tables/table_layout.h"

// One table as a slot's draw meets it.
struct DrawnTable {
  // The 1-based line of the heading at which the search stopped.
  long headingLine = 0;
  // Each name of the eleven entries with its chance on one draw, a name on several entries
  // with their chances added, in the order of its first entry.
  std::vector<std::pair<std::string, Fraction>> designs;
};

// A table file's walked tables. Tables are looked up once and kept.
class DrawnTables {
 public:
  // `bytes` as readTableFile gives them; `fileName` names the file in messages.
  DrawnTables(std::string bytes, std::string fileName);

  // The offset just after the faction's heading, as the faction search finds it. Throws
  // TableError as that search does.
  std::size_t factionStart(const std::string& faction);

  // The table that a slot of weight class `word` draws from when its search starts at `start`;
  // `section` names the place for messages, as the generation names it. The search starts with
  // the line buffer holding no weight word, as after a faction heading or a design. Throws
  // TableError, with the message a draw would give, when the heading search or the pick of
  // any entry roll reaches the end of the file.
  const DrawnTable& table(std::size_t start, const std::string& word, std::string_view section);

 private:
  TableIndex index_;
  ReachableTables reachable_;
  std::map<std::pair<std::size_t, std::string>, DrawnTable> found_;
};

#endif
