// SPDX-License-Identifier: MIT
// A table file as the generation reads it: every byte of it, read once, and the name it was read
// under, for messages. A run reads from its own stream over the bytes, so one TableText may serve
// any number of runs, in any number of threads, as long as nobody changes it meanwhile.
#ifndef MUSTERWRIGHT_GENERATOR_TABLE_TEXT_H
#define MUSTERWRIGHT_GENERATOR_TABLE_TEXT_H

#include <filesystem>
#include <string>

struct TableText {
  std::string bytes;
  std::filesystem::path name;
};

// The table file at `path`. Throws TableError as readTableFile (tables/table_file.h) does.
TableText readTableText(const std::filesystem::path& path);

// A table file handed over as its bytes (a page's upload), named `name` in messages. Throws
// TableError "<name>: <reason>" as readTableText does for bytes over kMaxTableFileBytes, empty
// or not text.
TableText tableTextOf(std::string bytes, const std::filesystem::path& name);

#endif
