// SPDX-License-Identifier: MIT
// Where the table file "Tables.dat" is looked for, in order: the current directory, the
// folder of the running executable, and the installed data folder: share/musterwright beside
// the program's bin folder (so an unpacked or moved installation works), then the one the
// build was configured for (<prefix>/share/musterwright). The design list "Designs.csv" and the
// skill table "Skills.csv" are looked for beside the table file in use, then in the same folders.
#ifndef MUSTERWRIGHT_TABLES_TABLE_LOCATION_H
#define MUSTERWRIGHT_TABLES_TABLE_LOCATION_H

#include <filesystem>
#include <optional>
#include <vector>

// The candidate paths, in the order they are tried.
std::vector<std::filesystem::path> tableFileCandidates();

// The first candidate that is a regular file. Throws TableError naming every place tried
// when there is none.
std::filesystem::path locateTableFile();

// The design list for the table file at `tableFile`: the first regular file named
// kDesignListFileName (design_list.h) beside it, then in the folders of tableFileCandidates, in
// order; none when there is none. Never throws but for lack of memory.
std::optional<std::filesystem::path> locateDesignList(const std::filesystem::path& tableFile);

// The same for the skill table, named kSkillTableFileName (skill_table.h).
std::optional<std::filesystem::path> locateSkillTable(const std::filesystem::path& tableFile);

#endif
