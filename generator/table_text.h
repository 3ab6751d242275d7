// SPDX-License-Identifier: MIT
// A table file as the generation reads it: every byte of it, read once, the name it was read
// under, for messages, and, built from them when the text is made, the file's line index and
// the walk of the tables its draws reach. Both are immutable and shared by copies, so one
// TableText may serve any number of runs, in any number of threads; each run keeps only its own
// line buffer and dice. For other bytes, make another TableText: the index follows the bytes
// the text was made with.
#ifndef MUSTERWRIGHT_GENERATOR_TABLE_TEXT_H
#define MUSTERWRIGHT_GENERATOR_TABLE_TEXT_H

#include <filesystem>
#include <memory>
#include <string>

#include "tables/reachable_tables.h"
#include "tables/table_index.h"

struct TableText {
  TableText() : TableText(std::string(), std::filesystem::path()) {}
  TableText(std::string bytes, std::filesystem::path name);

  std::string bytes;
  std::filesystem::path name;
  std::shared_ptr<const TableIndex> index;
  std::shared_ptr<const ReachableTables> reachable;
};

// The table file at `path`. Throws TableError as readTableFile (tables/table_file.h) does.
TableText readTableText(const std::filesystem::path& path);

#endif
