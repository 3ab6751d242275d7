// SPDX-License-Identifier: MIT
// musterwright-cli --make-tables: a table file laid out from a player's design list over the
// table file in use.
#ifndef MUSTERWRIGHT_CLI_MAKE_TABLES_H
#define MUSTERWRIGHT_CLI_MAKE_TABLES_H

#include "cli/options.h"

// Lays out the tables of the list `options.designs` over the table file of --tables (by default
// the one found as for a force) and writes the file to --out, or to standard output; the report
// goes to standard error, or with --format json to standard output. A refused list or layout is
// named on standard error, nothing is written and the result is 1; 0 when the file is written.
// Throws SaveError (roster/roster_file.h) when --out is the base, the table file in use or the
// list, or cannot be saved; TableError when the base cannot be read.
int makeTables(const CliOptions& options);

#endif
