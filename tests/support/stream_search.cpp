// SPDX-License-Identifier: MIT
#include "support/stream_search.h"

#include <string>

#include "foundation/in_quotes.h"
#include "tables/table_error.h"
#include "tables/table_layout.h"

namespace stream_search {

namespace {

// Clears the stream's whole state (end of file and failure alike), then positions it.
void seekTo(std::istream& file, std::streamoff offset) {
  file.clear();
  file.seekg(offset);
}

// Reads the next line into the buffer. False when the end of the file came before any
// character was taken; a last line without a line feed still counts as a line.
bool readLine(TableReader& reader) {
  getline(reader.file, reader.line);
  return !(reader.file.fail() && reader.line.length() == 0);
}

bool endsInCarriageReturn(const apstring& line) {
  return line.length() > 0 && line.c_str()[line.length() - 1] == '\r';
}

// The 1-based number of the line that begins at or holds byte `offset`; counted only when a
// message needs it.
long lineNumberAt(std::istream& file, std::streamoff offset) {
  seekTo(file, 0);
  long number = 1;
  char ch;
  for (std::streamoff at = 0; at < offset && file.get(ch); ++at) {
    if (ch == '\n') ++number;
  }
  return number;
}

// The number of the file's last line.
long lastLineNumber(std::istream& file) {
  seekTo(file, 0);
  long number = 1;
  bool lineOpen = false;
  char ch;
  while (file.get(ch)) {
    lineOpen = ch != '\n';
    if (!lineOpen) ++number;
  }
  return lineOpen || number == 1 ? number : number - 1;
}

std::string crLfNote(bool sawCarriageReturn) {
  return sawCarriageReturn
             ? "; the file has CR LF line ends, and its lines must end in a line feed alone"
             : "";
}

}  // namespace

std::streamoff findFaction(TableReader& reader, const apstring& faction) {
  seekTo(reader.file, 0);
  bool sawCarriageReturn = false;
  while (reader.line != faction) {
    if (!readLine(reader)) {
      throw TableError(std::string(reader.fileName) + ": the faction heading " +
                       inQuotes(faction.c_str()) + " is missing: the end of the file (line " +
                       std::to_string(lastLineNumber(reader.file)) + ") came first" +
                       crLfNote(sawCarriageReturn));
    }
    sawCarriageReturn = sawCarriageReturn || endsInCarriageReturn(reader.line);
  }
  if (reader.file.fail()) {
    // The heading was the last line, without a line feed: its section starts at the end.
    seekTo(reader.file, 0);
    reader.file.seekg(0, std::ios::end);
  }
  return reader.file.tellg();
}

void findHeading(TableReader& reader, std::streamoff start, const apstring& word,
                 std::string_view section) {
  seekTo(reader.file, start);
  bool sawCarriageReturn = false;
  while (reader.line != word) {
    if (!readLine(reader)) {
      throw TableError(std::string(reader.fileName) + ": no " + inQuotes(word.c_str()) +
                       " table in " + std::string(section) + ", which starts at line " +
                       std::to_string(lineNumberAt(reader.file, start)) +
                       ": the end of the file (line " +
                       std::to_string(lastLineNumber(reader.file)) + ") came first" +
                       crLfNote(sawCarriageReturn));
    }
    sawCarriageReturn = sawCarriageReturn || endsInCarriageReturn(reader.line);
  }
}

void pickEntry(TableReader& reader, int count, const apstring& word) {
  const std::streamoff tableStart = reader.file.tellg();
  for (int taken = 0; taken < count; ++taken) {
    if (!readLine(reader)) {
      // The heading is the line before the table's first entry, or the file's last line.
      const long headingLine =
          tableStart >= 0 ? lineNumberAt(reader.file, tableStart) - 1 : lastLineNumber(reader.file);
      throw TableError(std::string(reader.fileName) + ", line " + std::to_string(headingLine) +
                       ": table " + inQuotes(word.c_str()) + " has " + std::to_string(taken) +
                       " entries before the end of the file; entry " + std::to_string(count) +
                       " was rolled, " + std::to_string(kTableEntries) + " expected");
    }
  }
}

std::vector<apstring> readEntries(TableReader& reader, const apstring& word) {
  const std::streamoff tableStart = reader.file.tellg();
  std::vector<apstring> entries;
  for (int count = 1; count <= kTableEntries; ++count) {
    seekTo(reader.file, tableStart);
    pickEntry(reader, count, word);
    entries.push_back(reader.line);
  }
  return entries;
}

}  // namespace stream_search
