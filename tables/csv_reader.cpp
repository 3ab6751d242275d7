// SPDX-License-Identifier: MIT
#include "tables/csv_reader.h"

#include <algorithm>

#include "tables/collection.h"
#include "tables/player_file.h"

namespace {

// Whether the byte at `k` ends a line: a line feed, or a carriage return that no line feed
// follows (a CR LF pair ends its line at the LF).
bool endsLine(std::string_view bytes, std::size_t k) {
  return bytes[k] == '\n' || (bytes[k] == '\r' && (k + 1 == bytes.size() || bytes[k + 1] != '\n'));
}

// Reads one quoted field whose opening quote is at `at`; returns the index after its closing
// quote. Counts the line breaks inside it into `line`.
std::size_t readQuoted(std::string_view bytes, std::size_t at, std::size_t& line,
                       std::string& field) {
  const std::size_t opened = line;
  for (std::size_t k = at + 1; k < bytes.size(); ++k) {
    if (bytes[k] == '"') {
      if (k + 1 < bytes.size() && bytes[k + 1] == '"') {
        field += '"';
        ++k;
        continue;
      }
      return k + 1;
    }
    if (endsLine(bytes, k)) ++line;
    field += bytes[k];
  }
  throw CsvError(opened, "a quoted field is never closed (a double quote is missing)");
}

}  // namespace

std::vector<CsvRecord> readCsvRecords(std::string_view bytes) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  std::vector<CsvRecord> records;
  std::size_t line = 1;
  std::size_t k = 0;
  while (k < bytes.size()) {
    CsvRecord& record = records.emplace_back(CsvRecord{line, {std::string()}});
    while (true) {
      std::string& field = record.fields.back();
      if (k < bytes.size() && bytes[k] == '"' && field.empty()) {
        k = readQuoted(bytes, k, line, field);
        if (k < bytes.size() && bytes[k] != ',' && bytes[k] != '\n' && bytes[k] != '\r')
          throw CsvError(line, "a quoted field is followed by more than a comma or a line end");
      } else {
        const std::size_t end = std::min(bytes.find_first_of(",\n\r", k), bytes.size());
        field.append(bytes.substr(k, end - k));
        k = end;
      }
      if (k >= bytes.size()) break;
      if (bytes[k] == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n') ++k;  // CR LF
      if (bytes[k] != ',') {  // a line end: LF, CR LF, or CR alone
        ++k;
        ++line;
        break;
      }
      ++k;  // the comma
      record.fields.emplace_back();
    }
  }
  return records;
}

std::optional<std::size_t> CsvTable::column(std::string_view name) const {
  const std::string wanted = foldedName(name);
  for (std::size_t k = 0; k < columns.size(); ++k)
    if (foldedName(columns[k]) == wanted) return k;
  return std::nullopt;
}

std::string_view CsvTable::field(const CsvRecord& row, std::optional<std::size_t> column) {
  if (!column || *column >= row.fields.size()) return {};
  return trimmedBlanks(row.fields[*column]);
}

CsvTable readCsvTable(std::string_view bytes, std::span<const char* const> wanted) {
  std::vector<CsvRecord> records = readCsvRecords(bytes);
  CsvTable table;
  const auto header = std::find_if(records.begin(), records.end(),
                                   [](const CsvRecord& record) { return !isBlankRecord(record); });
  if (header == records.end()) return table;
  table.headerLine = header->line;
  for (const std::string& name : header->fields) table.columns.emplace_back(trimmedBlanks(name));
  if (std::none_of(wanted.begin(), wanted.end(),
                   [&](const char* name) { return table.column(name).has_value(); })) {
    std::string names;
    for (const char* name : wanted) names += (names.empty() ? "" : ", ") + std::string(name);
    throw CsvError(table.headerLine, "the header names none of the columns read: " + names);
  }
  table.rows.assign(std::make_move_iterator(header + 1), std::make_move_iterator(records.end()));
  if (std::all_of(table.rows.begin(), table.rows.end(), isBlankRecord))
    throw CsvError(table.headerLine, "the header has no rows under it");
  return table;
}

bool isBlankRecord(const CsvRecord& record) {
  return std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return trimmedBlanks(field).empty(); });
}
