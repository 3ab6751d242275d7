// SPDX-License-Identifier: MIT
// Every design name a table file offers a draw: the entries of each faction's and the vehicle
// section's weight tables, as the searches find them.
#ifndef MUSTERWRIGHT_TABLES_TABLE_NAMES_H
#define MUSTERWRIGHT_TABLES_TABLE_NAMES_H

#include <string>
#include <string_view>
#include <vector>

#include "tables/reachable_tables.h"

// The names of every table the searches find in `bytes`, each once in its first spelling, in
// file order of first finding. A table the searches cannot find is left out; never throws but
// for lack of memory.
std::vector<std::string> tableDesignNames(const std::string& bytes, std::string_view fileName);
// The same names from the walk of the file's tables.
std::vector<std::string> tableDesignNames(const ReachableTables& reachable);

#endif
