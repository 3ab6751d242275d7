// SPDX-License-Identifier: MIT
// Checks a table file against the layout its searches rely on and names every breach, each
// as "<file>, line N: <what is wrong>". One pass over the bytes with a fixed amount of state:
// linear time and bounded memory for any input (NUL bytes, no line feeds, huge files).
#ifndef MUSTERWRIGHT_TABLES_TABLE_CHECK_H
#define MUSTERWRIGHT_TABLES_TABLE_CHECK_H

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The problems of the table file whose content is `bytes`, in order of line; `name` opens
// every message. Lines are compared as the searches read them: whole, byte for byte, NUL
// bytes skipped. An empty result means every faction heading, its four weight tables of
// eleven entries, and the four vehicle tables from byte `vehicleStart` on are where the
// searches look for them. A file that is empty or not text (textProblem, table_file.h) has
// that one problem, at line 1.
std::vector<std::string> checkTableBytes(std::string_view bytes, const std::string& name);

// The same for the file at `path`, named in the messages as given, read by readTableFile
// (table_file.h): throws TableError exactly where the generation would refuse the file.
std::vector<std::string> checkTableFile(const std::filesystem::path& path);

// What every front end shows beside a force (or odds) drawn from a table file that the engine
// reads but that fails the check above: first "<name> fails its check; what is drawn from it
// follows its searches as they read it. musterwright-cli --fit-tables <name> --out FILE lays it
// out to pass:", then the problems of checkTableBytes. None for a sound file.
std::vector<std::string> tableWarning(std::string_view bytes, const std::string& name);

#endif
