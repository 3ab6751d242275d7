// SPDX-License-Identifier: MIT
// --fit-tables on fuzzed bytes.
#include <algorithm>

#include "fuzz/harness.h"
#include "tables/table_check.h"
#include "tables/table_fit.h"

namespace {

// The lines of `text` that hold a letter or digit, CR LF taken as LF: what a fit must keep.
std::vector<std::string_view> keptLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (end < text.size() && line.ends_with('\r')) line.remove_suffix(1);
    if (std::any_of(line.begin(), line.end(), [](char c) {
          return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        }))
      lines.push_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

}  // namespace

std::string tableFitProblem(std::string_view input) {
  const TableFit fit = fitTableBytes(input, "Tables.dat");
  if (!fit.problems.empty()) {
    if (!fit.bytes.empty()) return "bytes beside problems";
    const bool tooLong =
        fit.problems.size() == 1 &&
        fit.problems[0].find(": the faction tables end at byte ") != std::string::npos;
    if (!tooLong && fit.problems != checkTableBytes(input, "Tables.dat"))
      return "problems other than the checker's: " + fit.problems[0];
    return "";
  }
  if (!checkTableBytes(fit.bytes, "Tables.dat").empty()) return "a fit that fails the checker";
  if (keptLines(fit.bytes) != keptLines(input)) return "a fit that changed a line with a word";
  if (fitTableBytes(fit.bytes, "Tables.dat").bytes != fit.bytes)
    return "a fit that a second fit changes";
  return "";
}
