// SPDX-License-Identifier: MIT
// The CSV reader and the design list on fuzzed bytes.
#include <algorithm>
#include <vector>

#include "fuzz/harness.h"
#include "roster/csv_field.h"
#include "tables/csv_reader.h"
#include "tables/design_list.h"

namespace {

// The lines of `input` as the reader counts them: a line feed, or a CR that no LF follows,
// ends one.
std::size_t lineCount(std::string_view input) {
  std::size_t lines = 1;
  for (std::size_t k = 0; k < input.size(); ++k)
    lines +=
        input[k] == '\n' || (input[k] == '\r' && (k + 1 == input.size() || input[k + 1] != '\n'));
  return lines;
}

// The records written back as CSV, behind a byte-order mark so that one in the first field
// stays a field's.
std::string written(const std::vector<CsvRecord>& records) {
  std::string text = "\xEF\xBB\xBF";
  for (const CsvRecord& record : records) {
    for (std::size_t k = 0; k < record.fields.size(); ++k)
      text += (k == 0 ? "" : ",") + csvField(record.fields[k]);
    text += "\n";
  }
  return text;
}

std::string csvProblem(std::string_view input) {
  std::vector<CsvRecord> records;
  try {
    records = readCsvRecords(input);
  } catch (const CsvError& error) {
    if (error.line() < 1 || error.line() > lineCount(input))
      return "a CSV fault on line " + std::to_string(error.line()) + " of a file of " +
             std::to_string(lineCount(input)) + " lines";
    return "";
  }
  std::size_t previous = 0;
  for (const CsvRecord& record : records) {
    if (record.line <= previous || record.line > lineCount(input))
      return "a record on line " + std::to_string(record.line) + " after line " +
             std::to_string(previous);
    previous = record.line;
  }
  std::vector<CsvRecord> again;
  try {
    again = readCsvRecords(written(records));
  } catch (const CsvError& error) {
    return std::string("the records written back are refused: ") + error.what();
  }
  const bool same =
      std::equal(records.begin(), records.end(), again.begin(), again.end(),
                 [](const CsvRecord& a, const CsvRecord& b) { return a.fields == b.fields; });
  return same ? "" : "the records written back read otherwise";
}

std::string listProblem(std::string_view input) {
  const std::vector<std::string> names{"Mailfist", "Gale Regent", "2 Fast"};
  DesignListRead read;
  try {
    read = readDesignList(input, "Designs.csv", "Designs", names, UnknownNames::warn);
  } catch (const DesignListError& error) {
    const std::string message = error.what();
    return message.starts_with("Designs.csv") ? ""
                                              : "a refusal that does not name the file: " + message;
  }
  for (const auto& [folded, row] : read.list.designs) {
    if (row.tonsHundredths && (*row.tonsHundredths <= 0 || *row.tonsHundredths > 20000))
      return "tons out of range kept for " + row.name;
    if (row.points && (*row.points < 0 || *row.points > 99999))
      return "points out of range kept for " + row.name;
  }
  return "";
}

}  // namespace

std::string designListProblem(std::string_view input) {
  const std::string problem = csvProblem(input);
  return problem.empty() ? listProblem(input) : problem;
}
