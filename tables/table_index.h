// SPDX-License-Identifier: MIT
// A table file read once: its bytes, its name for messages, and where each line starts, ends and
// what it holds, built when the index is made and never changed after, so one index may serve any
// number of searches in any number of threads.
#ifndef MUSTERWRIGHT_TABLES_TABLE_INDEX_H
#define MUSTERWRIGHT_TABLES_TABLE_INDEX_H

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/apstring.h"

// The lines are the pieces between line feeds: line k (from 0) starts just after the k-th line
// feed, and the last one is what follows the last line feed (empty when the file ends in one).
// A line's text is its bytes without the line feed and without NUL bytes, which no text holds;
// a carriage return stays.
class TableIndex {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  TableIndex(std::string bytes, std::string fileName);
  TableIndex(const TableIndex&) = delete;
  TableIndex& operator=(const TableIndex&) = delete;

  const std::string& bytes() const { return bytes_; }
  const std::string& fileName() const { return fileName_; }
  std::size_t size() const { return bytes_.size(); }

  // The number of lines, the empty one after a final line feed included; at least 1.
  std::size_t lineCount() const { return starts_.size(); }
  std::size_t lineStart(std::size_t line) const { return starts_[line]; }
  // The offset of the line's line feed, or the file's size for the last line.
  std::size_t lineEnd(std::size_t line) const;
  // Whether a line feed ends the line: every line but the last.
  bool endsInLineFeed(std::size_t line) const { return line + 1 < starts_.size(); }
  const apstring& text(std::size_t line) const { return texts_[line]; }
  // The text of the line holding `offset` from that byte on.
  std::string textFrom(std::size_t offset) const;

  // Whether a line read from its start delivers a line: every line but an empty last one.
  bool readable(std::size_t line) const {
    return endsInLineFeed(line) || texts_[line].length() > 0;
  }

  // The line that holds byte `offset`; the last line for the file's size. Requires
  // offset <= size().
  std::size_t lineAt(std::size_t offset) const;

  // The first readable line from `from` on whose text is `text`, or npos.
  std::size_t nextLineWith(std::size_t from, std::string_view text) const;

  // The 1-based number of the file's last line that holds a byte (1 for an empty file).
  long lastLineNumber() const { return lastLineNumber_; }

 private:
  std::string bytes_;
  std::string fileName_;
  std::vector<std::size_t> starts_;
  std::vector<apstring> texts_;
  std::unordered_map<std::string_view, std::vector<std::size_t>> linesByText_;
  // The lines of each weight heading, the words searched for most, looked up without hashing.
  std::array<const std::vector<std::size_t>*, 4> weightLines_{};
  long lastLineNumber_ = 1;
};

#endif
