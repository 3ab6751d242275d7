// SPDX-License-Identifier: MIT
#include "tables/table_search.h"

#include <algorithm>
#include <string>

#include "foundation/in_quotes.h"
#include "tables/table_error.h"
#include "tables/table_layout.h"

namespace {

constexpr std::size_t kNowhere = TableIndex::npos;

void placeAt(TableReader& reader, std::size_t offset) {
  reader.failed = offset > reader.index.size();
  if (reader.failed) return;
  reader.next = reader.index.lineAt(offset);
  reader.column = offset - reader.index.lineStart(reader.next);
}

// Leaves the reader after line `line`, whose text the buffer holds.
void passLine(TableReader& reader, std::size_t line) {
  reader.line = reader.index.text(line);
  reader.failed = !reader.index.endsInLineFeed(line);
  reader.next = line + 1;
  reader.column = 0;
}

void runOffEnd(TableReader& reader) {
  reader.line = "";
  reader.failed = true;
}

// Reads the next line into the buffer. False when the end of the file came before any
// character was taken.
bool readLine(TableReader& reader) {
  if (reader.failed) {
    runOffEnd(reader);
    return false;
  }
  const TableIndex& index = reader.index;
  const std::size_t line = reader.next;
  if (reader.column == 0) {
    passLine(reader, line);
  } else {
    reader.line = index.textFrom(index.lineStart(line) + reader.column).c_str();
    reader.failed = !index.endsInLineFeed(line);
    reader.next = line + 1;
    reader.column = 0;
  }
  return !(reader.failed && reader.line.length() == 0);
}

// Reads up to `count` lines; the buffer holds the last one read, or "" when the file ended
// first. Returns the number of lines read.
int readLines(TableReader& reader, int count) {
  int taken = 0;
  if (count > 0 && !reader.failed && reader.column != 0) {
    if (!readLine(reader)) return 0;
    taken = 1;
  }
  if (taken == count) return taken;
  if (reader.failed) {
    runOffEnd(reader);
    return taken;
  }
  const TableIndex& index = reader.index;
  const std::size_t last = index.lineCount() - 1;
  const std::size_t available = last + (index.readable(last) ? 1 : 0) - reader.next;
  const auto wanted = static_cast<std::size_t>(count - taken);
  if (wanted <= available) {
    passLine(reader, reader.next + wanted - 1);
    return count;
  }
  runOffEnd(reader);
  return taken + static_cast<int>(available);
}

bool endsInCarriageReturn(std::string_view line) {
  return !line.empty() && line.back() == '\r';
}

// Whether a readable line from `from` on ends in a carriage return.
bool carriageReturnFrom(const TableIndex& index, std::size_t from) {
  for (std::size_t line = from; line < index.lineCount(); ++line)
    if (index.readable(line) && endsInCarriageReturn(index.text(line).c_str())) return true;
  return false;
}

// The 1-based number of the line that begins at or holds byte `offset`.
long lineNumberAt(const TableIndex& index, std::size_t offset) {
  return static_cast<long>(index.lineAt(std::min(offset, index.size()))) + 1;
}

std::string crLfNote(bool sawCarriageReturn) {
  return sawCarriageReturn
             ? "; the file has CR LF line ends, and its lines must end in a line feed alone"
             : "";
}

// Reads whole lines until one equals `word`. False, the reader failed and the buffer empty,
// when the file ends first; `sawCarriageReturn` then tells whether a line read ended in one.
bool readUntil(TableReader& reader, const apstring& word, bool& sawCarriageReturn) {
  if (!reader.failed) {
    const std::size_t found = reader.index.nextLineWith(
        reader.next, std::string_view(word.c_str(), static_cast<std::size_t>(word.length())));
    if (found != kNowhere) {
      passLine(reader, found);
      return true;
    }
    sawCarriageReturn = sawCarriageReturn || carriageReturnFrom(reader.index, reader.next);
  }
  runOffEnd(reader);
  return false;
}

}  // namespace

std::size_t findFaction(TableReader& reader, const apstring& faction) {
  placeAt(reader, 0);
  if (reader.line == faction) return 0;
  bool sawCarriageReturn = false;
  if (!readUntil(reader, faction, sawCarriageReturn)) {
    throw TableError(reader.index.fileName() + ": the faction heading " +
                     inQuotes(faction.c_str()) + " is missing: the end of the file (line " +
                     std::to_string(reader.index.lastLineNumber()) + ") came first" +
                     crLfNote(sawCarriageReturn));
  }
  // The heading was the last line, without a line feed: its section starts at the end.
  return reader.failed ? reader.index.size() : reader.offset();
}

void findHeading(TableReader& reader, std::size_t start, const apstring& word,
                 std::string_view section) {
  placeAt(reader, start);
  if (reader.line == word) return;
  bool sawCarriageReturn = false;
  if (!reader.failed && reader.column != 0) {
    // A start inside a line: the first read takes the rest of it.
    if (readLine(reader)) {
      if (reader.line == word) return;
      sawCarriageReturn = endsInCarriageReturn(reader.line.c_str());
    }
  }
  if (!readUntil(reader, word, sawCarriageReturn)) {
    throw TableError(reader.index.fileName() + ": no " + inQuotes(word.c_str()) + " table in " +
                     std::string(section) + ", which starts at line " +
                     std::to_string(lineNumberAt(reader.index, start)) +
                     ": the end of the file (line " +
                     std::to_string(reader.index.lastLineNumber()) + ") came first" +
                     crLfNote(sawCarriageReturn));
  }
}

void pickEntry(TableReader& reader, int count, const apstring& word) {
  const std::size_t tableStart = reader.offset();
  const int taken = readLines(reader, count);
  if (taken < count) {
    // The heading is the line before the table's first entry, or the file's last line.
    const long headingLine = tableStart != kNowhere ? lineNumberAt(reader.index, tableStart) - 1
                                                    : reader.index.lastLineNumber();
    throw TableError(reader.index.fileName() + ", line " + std::to_string(headingLine) +
                     ": table " + inQuotes(word.c_str()) + " has " + std::to_string(taken) +
                     " entries before the end of the file; entry " + std::to_string(count) +
                     " was rolled, " + std::to_string(kTableEntries) + " expected");
  }
}

std::vector<apstring> readEntries(TableReader& reader, const apstring& word) {
  const std::size_t tableStart = reader.offset();
  std::vector<apstring> entries;
  entries.reserve(kTableEntries);
  for (int count = 1; count <= kTableEntries; ++count) {
    placeAt(reader, tableStart == kNowhere ? reader.index.size() + 1 : tableStart);
    pickEntry(reader, count, word);
    entries.push_back(reader.line);
  }
  return entries;
}
