// SPDX-License-Identifier: MIT
// The three searches of the table file: the faction search, the heading search and the entry
// pick, and every pick of one table at once, all on the file's index (table_index.h). They read
// the file as a stream of lines would: each search first places the reader at an explicit byte
// offset (a place past the end leaves it failed), tests the line buffer before every read, and
// each read delivers the text of the rest of the line it starts in. A read at the end of the
// file, or on a failed reader, leaves the buffer empty and the reader failed; a last line
// without a line feed is delivered, and fails the reader after it. A search that reaches the end
// of the file ends at once with a TableError that names the file, what was looked for and where.
#ifndef MUSTERWRIGHT_TABLES_TABLE_SEARCH_H
#define MUSTERWRIGHT_TABLES_TABLE_SEARCH_H

#include <cstddef>
#include <string_view>
#include <vector>

#include "foundation/apstring.h"
#include "tables/table_index.h"

// One reading of an index: the buffer every line lands in, which keeps the last line read
// between searches, and where the next read starts (line `next` from its byte `column`), or
// `failed`.
struct TableReader {
  const TableIndex& index;
  apstring& line;
  std::size_t next = 0;
  std::size_t column = 0;
  bool failed = false;

  // The byte offset the next read starts at; TableIndex::npos when failed.
  std::size_t offset() const { return failed ? TableIndex::npos : index.lineStart(next) + column; }
};

// Reads from byte 0 until a line equals `faction` and returns the offset just after that
// line (the file's size when it was the last line, without a line feed). When the buffer
// already holds `faction`, nothing is read and the result is 0. Fails when no line equals it.
std::size_t findFaction(TableReader& reader, const apstring& faction);

// Places the reader at `start`, then reads until a line equals `word`; `section` names the
// place searched ("the "Kurita" section", "the vehicle section") for messages. The buffer is
// tested before the first read: when it already holds `word`, nothing is read.
void findHeading(TableReader& reader, std::size_t start, const apstring& word,
                 std::string_view section);

// Reads `count` (1 to 11) further lines; the buffer then holds the chosen entry. `word` names
// the table for messages. Fails when the file ends before the entry.
void pickEntry(TableReader& reader, int count, const apstring& word);

// The entries of the table whose heading the last findHeading found: at index k - 1 the line
// that pickEntry(k) leaves in the buffer, k = 1 to 11, each pick from the line after the
// heading again; the buffer then holds the eleventh. Fails as pickEntry does for the first k
// that the file ends before.
[[nodiscard]] std::vector<apstring> readEntries(TableReader& reader, const apstring& word);

#endif
