// SPDX-License-Identifier: MIT
// Where the table file "Tables.dat" is looked for, in order: the current directory, the
// folder of the running executable, and the installed data folder: share/musterwright beside
// the program's bin folder (so an unpacked or moved installation works), then the one the
// build was configured for (<prefix>/share/musterwright).
#ifndef MUSTERWRIGHT_TABLES_TABLE_LOCATION_H
#define MUSTERWRIGHT_TABLES_TABLE_LOCATION_H

#include <filesystem>
#include <vector>

// The candidate paths, in the order they are tried.
std::vector<std::filesystem::path> tableFileCandidates();

// The first candidate that is a regular file. Throws TableError naming every place tried
// when there is none.
std::filesystem::path locateTableFile();

#endif
