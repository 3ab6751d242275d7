// SPDX-License-Identifier: MIT
// Comma-separated values as RFC 4180 has them, the way spreadsheets export them: fields split at
// commas, records at line ends (CR LF, LF, or a CR alone as older spreadsheets write); a field
// in double quotes may hold commas, line breaks and doubled double quotes, which stand for one.
// A UTF-8 byte-order mark before the first field is dropped. The first record that is not blank
// names the columns, which a reader looks up by name without regard to ASCII letter case, in
// any order.
#ifndef MUSTERWRIGHT_TABLES_CSV_READER_H
#define MUSTERWRIGHT_TABLES_CSV_READER_H

#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Bytes that are no CSV: `line` (from 1) is where the fault is; the message says what it is.
class CsvError : public std::runtime_error {
 public:
  CsvError(std::size_t line, const std::string& message)
      : std::runtime_error(message), line_(line) {}
  std::size_t line() const { return line_; }

 private:
  std::size_t line_;
};

// One record: its fields as written (quotes removed), and the line (from 1) it starts on.
struct CsvRecord {
  std::size_t line = 0;
  std::vector<std::string> fields;
};

// Every record of `bytes`, in order. A line end after the last record adds none; an empty line
// is a record of one empty field. Throws CsvError for a quoted field that is never closed (at
// the line of its opening quote) and for anything but a comma or a line end after a closing
// quote; a double quote inside an unquoted field is taken as it is.
std::vector<CsvRecord> readCsvRecords(std::string_view bytes);

// Records under a header: the fields of the first record that is not blank name the columns.
struct CsvTable {
  std::vector<std::string> columns;  // as the header spells them, blanks around them removed
  std::size_t headerLine = 0;        // 0 when there is no header (every record blank)
  std::vector<CsvRecord> rows;       // every record after the header, blank ones included

  // The index of the first column named `name` in any ASCII letter case; none when absent.
  std::optional<std::size_t> column(std::string_view name) const;
  // The field of `row` in `column`, "" when the row is shorter; blanks around it removed.
  static std::string_view field(const CsvRecord& row, std::optional<std::size_t> column);
};

// The table of `bytes` (readCsvRecords) for a reader of the columns `wanted`. Throws CsvError
// as readCsvRecords does, and at the header's line when the header names none of `wanted` or
// no record that is not blank follows it. Bytes without a header (every record blank) are no
// fault here: the table's headerLine is 0.
CsvTable readCsvTable(std::string_view bytes, std::span<const char* const> wanted);

// Whether every field of `record` is empty or blank: the line a spreadsheet leaves below its
// data.
bool isBlankRecord(const CsvRecord& record);

#endif
