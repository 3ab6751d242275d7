// SPDX-License-Identifier: MIT
#include "tables/design_list.h"

#include <algorithm>
#include <charconv>

#include "tables/collection.h"
#include "tables/csv_reader.h"
#include "tables/player_file.h"
#include "tables/table_identity.h"

namespace {

// Where a message about line `line` of `fileName` starts.
std::string at(const std::string& fileName, std::size_t line) {
  return fileName + ", line " + std::to_string(line) + ": ";
}

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whole digits as a number; none when there are more than fit the bounds of a list.
std::optional<std::int64_t> wholeNumber(std::string_view digits) {
  std::int64_t value = 0;
  if (digits.size() > 12) return std::nullopt;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// Whether `text` is a number with a minus sign, "-5" or "-37.5": out of range, not unreadable.
bool isNegative(std::string_view text) {
  if (!text.starts_with('-')) return false;
  text.remove_prefix(1);
  const std::size_t point = text.find('.');
  return allDigits(text.substr(0, point)) &&
         (point == std::string_view::npos || allDigits(text.substr(point + 1)));
}

// The tons of `text` in hundredths; a problem goes to `problem` instead.
std::optional<std::int64_t> tonsOf(std::string_view text, std::string& problem) {
  const std::string range = "is out of range: above 0 and at most " + tonsText(kMostTonsHundredths);
  if (isNegative(text)) {
    problem = range;
    return std::nullopt;
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view decimals =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (!allDigits(whole) || (point != std::string_view::npos && !allDigits(decimals))) {
    problem = "is not a number; write tons as 55 or 37.5";
    return std::nullopt;
  }
  if (decimals.size() > 2) {
    problem = "has more than two decimals";
    return std::nullopt;
  }
  const std::optional<std::int64_t> tons = wholeNumber(whole);
  std::int64_t hundredths = 0;
  if (tons && *tons <= kMostTonsHundredths) {
    hundredths = *tons * 100;
    if (!decimals.empty()) hundredths += (decimals[0] - '0') * 10;
    if (decimals.size() == 2) hundredths += decimals[1] - '0';
  }
  if (!tons || hundredths <= 0 || hundredths > kMostTonsHundredths) {
    problem = range;
    return std::nullopt;
  }
  return hundredths;
}

// The points of `text`; a problem goes to `problem` instead.
std::optional<std::int64_t> pointsOf(std::string_view text, std::string& problem) {
  const char* const range = "is out of range: 0 to 99,999";
  if (isNegative(text) && text.find('.') == std::string_view::npos) {
    problem = range;
    return std::nullopt;
  }
  if (!allDigits(text)) {
    problem = "is not a whole number";
    return std::nullopt;
  }
  const std::optional<std::int64_t> points = wholeNumber(text);
  if (!points || *points > kMostPoints) {
    problem = range;
    return std::nullopt;
  }
  return points;
}

// The number in `column` of `row`, the row of `design`, read by `read`; empty is unknown.
template <class Read>
std::optional<std::int64_t> numberIn(const CsvRecord& row, std::optional<std::size_t> column,
                                     const char* word, Read read, const std::string& design,
                                     const std::string& where, std::vector<std::string>& errors) {
  const std::string_view text = CsvTable::field(row, column);
  if (text.empty()) return std::nullopt;
  std::string problem;
  const std::optional<std::int64_t> value = read(text, problem);
  if (!value)
    errors.push_back(where + word + " \"" + std::string(text) + "\" of \"" + design + "\" " +
                     problem);
  return value;
}

// The notice naming the header's columns that the list does not read.
std::vector<std::string> unusedColumns(const CsvTable& table, const std::string& fileName) {
  std::vector<std::string> unused;
  for (std::size_t k = 0; k < table.columns.size(); ++k) {
    const std::string& column = table.columns[k];
    const bool read = std::any_of(kDesignListColumns.begin(), kDesignListColumns.end(),
                                  [&](const char* name) { return table.column(name) == k; });
    if (!read && !column.empty()) unused.push_back(column);
  }
  if (unused.empty()) return {};
  std::string notice = fileName + ": columns not used: ";
  for (std::size_t k = 0; k < unused.size(); ++k) notice += (k == 0 ? "" : ", ") + unused[k];
  return {notice};
}

// Where the cells a table layout reads stand in the list's rows, found once for all rows.
struct LayoutColumns {
  std::optional<std::size_t> weightClass, kind, factions, rarity;
};

LayoutColumns layoutColumnsOf(const CsvTable& table) {
  return {table.column("weight_class"), table.column("kind"), table.column("factions"),
          table.column("rarity")};
}

LayoutCells layoutCellsOf(const CsvRecord& row, const LayoutColumns& columns) {
  const auto cell = [&](std::optional<std::size_t> column) {
    return std::string(CsvTable::field(row, column));
  };
  return {cell(columns.weightClass), cell(columns.kind), cell(columns.factions),
          cell(columns.rarity)};
}

[[noreturn]] void refuse(const std::vector<std::string>& errors) {
  std::string message;
  for (const std::string& error : errors) message += (message.empty() ? "" : "\n") + error;
  throw DesignListError(message);
}

}  // namespace

const DesignNumbers* DesignList::find(std::string_view design) const {
  const auto found = designs.find(foldedName(design));
  return found == designs.end() ? nullptr : &found->second;
}

DesignListRead readDesignList(std::string_view bytes, const std::string& fileName,
                              const std::string& name, std::span<const std::string> designNames,
                              UnknownNames unknown, const DesignRowCheck& check) {
  if (bytes.size() > kMaxDesignListBytes)
    throw DesignListError(oversizedProblem(fileName, "design list", kMaxDesignListBytes));
  if (!isUtf8Text(bytes))
    throw DesignListError(fileName + ": the file is not text (UTF-8 without NUL bytes)");
  CsvTable table;
  try {
    table = readCsvTable(bytes, kDesignListColumns);
  } catch (const CsvError& error) {
    throw DesignListError(at(fileName, error.line()) + error.what());
  }
  if (table.headerLine == 0)
    throw DesignListError(fileName +
                          ": the list has no header row; its first row names the columns, "
                          "\"design,tons,points\"");
  const std::optional<std::size_t> design = table.column("design");
  if (!design)
    throw DesignListError(at(fileName, table.headerLine) +
                          "the header has no \"design\" column; write \"design,tons,points\"");
  const std::optional<std::size_t> tons = table.column("tons");
  const std::optional<std::size_t> points = table.column("points");
  const LayoutColumns layout = layoutColumnsOf(table);

  std::map<std::string, std::string> spelling;
  for (const std::string& known : designNames) spelling.emplace(foldedName(known), known);
  DesignListRead read;
  read.list.name = name;
  read.notices = unusedColumns(table, fileName);
  std::vector<std::string> errors;
  std::vector<std::string> normalised;
  for (const CsvRecord& row : table.rows) {
    if (isBlankRecord(row)) continue;
    const std::string where = at(fileName, row.line);
    const std::string written(CsvTable::field(row, design));
    if (written.empty()) {
      errors.push_back(where + "the row names no design");
      continue;
    }
    const std::string folded = foldedName(written);
    const auto known = spelling.find(folded);
    DesignNumbers numbers{known == spelling.end() ? written : known->second,
                          numberIn(row, tons, "tons", tonsOf, written, where, errors),
                          numberIn(row, points, "points", pointsOf, written, where, errors),
                          row.line,
                          written,
                          layoutCellsOf(row, layout)};
    if (check) {
      const std::vector<std::string> problems = check(numbers);
      errors.insert(errors.end(), problems.begin(), problems.end());
    }
    const auto [first, added] = read.list.designs.emplace(folded, numbers);
    if (!added) {
      errors.push_back(where + "\"" + written + "\" is already on line " +
                       std::to_string(first->second.line));
      continue;
    }
    if (known == spelling.end() && unknown == UnknownNames::warn)
      read.warnings.push_back(where + "\"" + written + "\" is in no table (" +
                              nearestNames(folded, designNames) + "); kept");
    normalised.push_back(folded + "\t" +
                         (numbers.tonsHundredths ? tonsText(*numbers.tonsHundredths) : "") + "\t" +
                         (numbers.points ? std::to_string(*numbers.points) : ""));
  }
  if (!errors.empty()) refuse(errors);
  std::sort(normalised.begin(), normalised.end());
  std::string joined;
  for (const std::string& line : normalised) joined += (joined.empty() ? "" : "\n") + line;
  read.list.identity = tableChecksum(joined);
  return read;
}

std::string designListBytes(const std::filesystem::path& path) {
  try {
    return playerFileBytes(path, kMaxDesignListBytes, "design list");
  } catch (const PlayerFileError& error) {
    throw DesignListError(error.what());
  }
}

DesignListRead readDesignListFile(const std::filesystem::path& path,
                                  std::span<const std::string> designNames, UnknownNames unknown) {
  return readDesignList(designListBytes(path), path.string(), path.stem().string(), designNames,
                        unknown);
}

std::string tonsText(std::int64_t tonsHundredths) {
  std::string text = std::to_string(tonsHundredths / 100);
  const std::int64_t hundredths = tonsHundredths % 100;
  if (hundredths == 0) return text;
  text += '.' + std::to_string(hundredths / 10);
  if (hundredths % 10 != 0) text += std::to_string(hundredths % 10);
  return text;
}
