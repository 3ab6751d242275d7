// SPDX-License-Identifier: MIT
#include "tables/skill_table.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "tables/csv_reader.h"
#include "tables/player_file.h"
#include "tables/table_identity.h"

namespace {

constexpr std::array<const char*, 3> kSkillTableColumns = {"piloting", "gunnery", "percent"};

// The whole number `text` writes, from `low` to `high`; none for anything else.
std::optional<int> wholeNumberIn(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text.front() == '-' || fault != std::errc() ||
      end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

// The number in `column` of `row`; a problem, named with `where`, goes to `errors` instead.
std::optional<int> cellOf(const CsvRecord& row, std::optional<std::size_t> column, const char* word,
                          int low, int high, const std::string& where,
                          std::vector<std::string>& errors) {
  const std::string_view text = CsvTable::field(row, column);
  const std::optional<int> value = wholeNumberIn(text, low, high);
  if (!value)
    errors.push_back(where + word + " \"" + std::string(text) + "\" is not a whole number from " +
                     std::to_string(low) + " to " +
                     (high == kHighestPercent ? "1,000" : std::to_string(high)));
  return value;
}

std::string pairWords(const CrewPair& pair) {
  return "piloting " + std::to_string(pair.piloting) + ", gunnery " + std::to_string(pair.gunnery);
}

[[noreturn]] void refuse(const std::vector<std::string>& errors) {
  std::string message;
  for (const std::string& error : errors) message += (message.empty() ? "" : "\n") + error;
  throw SkillTableError(message);
}

}  // namespace

std::optional<int> SkillTable::percentOf(char piloting, char gunnery) const {
  if (piloting < '0' || piloting > '9' || gunnery < '0' || gunnery > '9') return std::nullopt;
  const auto found = percents.find({piloting - '0', gunnery - '0'});
  if (found == percents.end()) return std::nullopt;
  return found->second;
}

std::optional<std::int64_t> SkillTable::pointsOf(std::optional<std::int64_t> points, char piloting,
                                                 char gunnery) const {
  const std::optional<int> percent = percentOf(piloting, gunnery);
  if (!points || !percent) return std::nullopt;
  return pointsWithSkill(*points, *percent);
}

SkillTableRead readSkillTable(std::string_view bytes, const std::string& fileName,
                              const std::string& name, std::span<const CrewPair> rolled) {
  if (bytes.size() > kMaxSkillTableBytes)
    throw SkillTableError(oversizedProblem(fileName, "skill table", kMaxSkillTableBytes));
  if (!isUtf8Text(bytes))
    throw SkillTableError(fileName + ": the file is not text (UTF-8 without NUL bytes)");
  const auto at = [&fileName](std::size_t line) {
    return fileName + ", line " + std::to_string(line) + ": ";
  };
  CsvTable table;
  try {
    table = readCsvTable(bytes, kSkillTableColumns);
  } catch (const CsvError& error) {
    throw SkillTableError(at(error.line()) + error.what());
  }
  if (table.headerLine == 0)
    throw SkillTableError(fileName +
                          ": the table has no header row; its first row names the columns, "
                          "\"piloting,gunnery,percent\"");
  std::vector<std::string> lacking;
  for (const char* column : kSkillTableColumns)
    if (!table.column(column)) lacking.push_back(std::string("\"") + column + "\"");
  if (!lacking.empty()) {
    std::string names;
    for (const std::string& column : lacking) names += (names.empty() ? "" : ", ") + column;
    throw SkillTableError(at(table.headerLine) + "the header lacks the column " + names +
                          "; write \"piloting,gunnery,percent\"");
  }
  const std::optional<std::size_t> piloting = table.column("piloting");
  const std::optional<std::size_t> gunnery = table.column("gunnery");
  const std::optional<std::size_t> percent = table.column("percent");

  // The skills crews roll, piloting and gunnery alike: a row within them fills out a table's
  // grid, and only one beyond them is worth a warning.
  int lowest = kHighestSkill + 1, highest = -1;
  for (const CrewPair& crew : rolled) {
    lowest = std::min({lowest, crew.piloting, crew.gunnery});
    highest = std::max({highest, crew.piloting, crew.gunnery});
  }
  SkillTableRead read;
  read.table.name = name;
  std::vector<std::string> errors;
  std::map<CrewPair, std::size_t> lines;
  std::vector<std::string> normalised;
  for (const CsvRecord& row : table.rows) {
    if (isBlankRecord(row)) continue;
    const std::string where = at(row.line);
    const std::optional<int> p = cellOf(row, piloting, "piloting", 0, kHighestSkill, where, errors);
    const std::optional<int> g = cellOf(row, gunnery, "gunnery", 0, kHighestSkill, where, errors);
    const std::optional<int> value =
        cellOf(row, percent, "percent", kLowestPercent, kHighestPercent, where, errors);
    if (!p || !g || !value) continue;
    const CrewPair pair{*p, *g};
    const auto [first, added] = lines.emplace(pair, row.line);
    if (!added) {
      errors.push_back(where + pairWords(pair) + " is already on line " +
                       std::to_string(first->second));
      continue;
    }
    read.table.percents.emplace(pair, *value);
    if (pair.piloting < lowest || pair.piloting > highest || pair.gunnery < lowest ||
        pair.gunnery > highest)
      read.warnings.push_back(where + pairWords(pair) + " is a crew no rule table rolls; kept");
    normalised.push_back(std::to_string(*p) + "\t" + std::to_string(*g) + "\t" +
                         std::to_string(*value));
  }
  if (!errors.empty()) refuse(errors);
  std::sort(normalised.begin(), normalised.end());
  std::string joined;
  for (const std::string& line : normalised) joined += (joined.empty() ? "" : "\n") + line;
  read.table.identity = tableChecksum(joined);
  return read;
}

SkillTableRead readSkillTableFile(const std::filesystem::path& path,
                                  std::span<const CrewPair> rolled) {
  std::string bytes;
  try {
    bytes = playerFileBytes(path, kMaxSkillTableBytes, "skill table");
  } catch (const PlayerFileError& error) {
    throw SkillTableError(error.what());
  }
  return readSkillTable(bytes, path.string(), path.stem().string(), rolled);
}

std::int64_t pointsWithSkill(std::int64_t points, int percent) {
  return (points * percent + 50) / 100;
}
