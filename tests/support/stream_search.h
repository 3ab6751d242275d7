// SPDX-License-Identifier: MIT
// The searches as they once read the table file, through a stream, kept for the tests and the
// benchmark to hold the index's searches against: same names, same results, same messages.
// The three searches of the table file: the faction search, the heading search and the
// entry pick, and every pick of one table at once. Each search positions the stream itself at
// an explicit byte offset (clearing the stream's whole state first, so an earlier failure never
// poisons it), tests the line buffer before every read, and reads whole lines byte for byte
// into it. A search that reaches the end of the file ends at once with a TableError that names
// the file, what was looked for and where.
#ifndef MUSTERWRIGHT_TESTS_SUPPORT_STREAM_SEARCH_H
#define MUSTERWRIGHT_TESTS_SUPPORT_STREAM_SEARCH_H

#include <ios>
#include <istream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/apstring_stream.h"
#include "generator/table_searches.h"

namespace stream_search {

// The stream a search reads, the buffer every line lands in, and the file's name for
// messages. The buffer keeps the last line read between searches.
struct TableReader {
  std::istream& file;
  apstring& line;
  std::string_view fileName;
};

// Reads from byte 0 until a line equals `faction` and returns the offset just after that
// line. Fails when no line equals it.
std::streamoff findFaction(TableReader& reader, const apstring& faction);

// Positions the stream at `start`, then reads until a line equals `word`; `section` names
// the place searched ("the "Kurita" section", "the vehicle section") for messages. The buffer
// is tested before the first read: when it already holds `word`, nothing is read.
void findHeading(TableReader& reader, std::streamoff start, const apstring& word,
                 std::string_view section);

// Reads `count` (1 to 11) further lines; the buffer then holds the chosen entry. `word` names
// the table for messages. Fails when the file ends before the entry.
void pickEntry(TableReader& reader, int count, const apstring& word);

// The entries of the table whose heading the last findHeading found: at index k - 1 the line
// that pickEntry(k) leaves in the buffer, k = 1 to 11, each pick from the line after the
// heading again. Fails as pickEntry does for the first k that the file ends before.
[[nodiscard]] std::vector<apstring> readEntries(TableReader& reader, const apstring& word);

}  // namespace stream_search

// A run's reading of a table file through these searches, over a stream of its bytes.
class StreamSearches final : public TableSearches {
 public:
  StreamSearches(const std::string& bytes, std::string fileName)
      : file_(bytes), fileName_(std::move(fileName)) {}

  std::size_t findFaction(const apstring& faction) override {
    return static_cast<std::size_t>(stream_search::findFaction(reader_, faction));
  }
  void findHeading(std::size_t start, const apstring& word, std::string_view section) override {
    stream_search::findHeading(reader_, static_cast<std::streamoff>(start), word, section);
  }
  void pickEntry(int count, const apstring& word) override {
    stream_search::pickEntry(reader_, count, word);
  }
  std::vector<apstring> readEntries(const apstring& word) override {
    return stream_search::readEntries(reader_, word);
  }

 private:
  std::istringstream file_;
  std::string fileName_;
  stream_search::TableReader reader_{file_, line, fileName_};
};

#endif
