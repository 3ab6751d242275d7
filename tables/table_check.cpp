// SPDX-License-Identifier: MIT
#include "tables/table_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "foundation/in_quotes.h"
#include "tables/table_file.h"
#include "tables/table_layout.h"

namespace {

constexpr int kFactions = static_cast<int>(kFactionHeadings.size());
constexpr int kWeights = static_cast<int>(kWeightHeadings.size());
constexpr int kEntries = kTableEntries;

// The length of the longest heading, so a longer line is known to match none.
constexpr std::size_t longestHeading() {
  std::size_t longest = 0;
  for (const std::string_view word : kFactionHeadings) longest = std::max(longest, word.size());
  for (const std::string_view word : kWeightHeadings) longest = std::max(longest, word.size());
  return longest;
}
constexpr std::size_t kLongestWord = longestHeading();
constexpr int kVehicles = kFactions;  // the owner of the vehicle tables

using Line = std::uint64_t;  // 1-based; 0 stands for "none"

// The word a line equals: 0 to 9 a faction, 10 to 13 a weight, -1 none.
int wordOf(std::string_view text) {
  for (int f = 0; f < kFactions; ++f)
    if (text == kFactionHeadings[f]) return f;
  for (int w = 0; w < kWeights; ++w)
    if (text == kWeightHeadings[w]) return kFactions + w;
  return -1;
}

// A weight table that a search lands on, and the first weight heading after it.
struct Table {
  Line line = 0;
  int weight = 0;
  int owner = 0;
  Line nextWeightLine = 0;
  int nextWeight = 0;
};

struct Problem {
  Line line;
  std::string text;
};

// Reads the file's bytes in any number of pieces, keeping per line only its first few bytes,
// and for the whole file only the facts the checks need: where every faction name first
// stands and stands again, and where each search would find its weight headings.
class Scanner {
 public:
  void feed(std::string_view bytes) {
    for (const char byte : bytes) {
      if (offset_ == static_cast<std::uint64_t>(vehicleStart)) vehicleByteSeen_ = true;
      ++offset_;
      if (byte == '\n') {
        endLine(offset_ - 1);
        lineStart_ = offset_;
        continue;
      }
      if (byte == '\0') continue;
      if (text_.size() <= kLongestWord) text_ += byte;
      last_ = byte;
    }
  }

  std::vector<std::string> finish(const std::string& name) {
    if (lineStart_ < offset_) {
      endLine(offset_);
      add(line_,
          "the last line has no line feed; the search that reads it fails at the end "
          "of the file");
    }
    if (crLines_ > 0) {
      add(firstCrLine_, "the line ends in CR LF (" + std::to_string(crLines_) +
                            " such lines in all); a heading matches only with a bare line feed");
    }
    checkFactions();
    checkVehicles();
    for (const Table& table : tables_)
      if (isOwn(table)) checkEntries(table);

    std::stable_sort(problems_.begin(), problems_.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    std::vector<std::string> messages;
    for (const Problem& problem : problems_)
      messages.push_back(name + ", line " + std::to_string(problem.line) + ": " + problem.text);
    return messages;
  }

 private:
  // Classifies the line that ends at byte `end` (its line feed, or the end of the file).
  void endLine(std::uint64_t end) {
    ++line_;
    bool vehiclesStartNextLine = false;
    if (vehicleLine_ == 0 && vehicleByteSeen_) {
      if (lineStart_ == static_cast<std::uint64_t>(vehicleStart)) {
        startVehicleSearch(line_);
      } else {
        add(line_, "byte " + std::to_string(vehicleStart) +
                       ", where the vehicle section must begin, falls inside this line (bytes " +
                       std::to_string(lineStart_) + " to " + std::to_string(end) +
                       "); it must start a line");
        vehiclesStartNextLine = true;
      }
    }
    if (last_ == '\r' && crLines_++ == 0) firstCrLine_ = line_;
    const int word = text_.size() <= kLongestWord ? wordOf(text_) : -1;
    if (word >= kFactions) weightHeading(word - kFactions);
    if (word >= 0 && word < kFactions) factionName(word);
    // The rest of a line cut at the vehicle byte is no heading the checks can judge.
    if (vehiclesStartNextLine) startVehicleSearch(line_ + 1);
    text_.clear();
    last_ = '\0';
  }

  void startVehicleSearch(Line line) {
    vehicleLine_ = line;
    vehicleWanted_.fill(true);
  }

  bool inEntries(Line line) const {
    return lastWeightLine_ != 0 && line - lastWeightLine_ <= kEntries;
  }

  void factionName(int faction) {
    if (firstLine_[faction] == 0) {
      firstLine_[faction] = line_;
      firstInEntries_[faction] = inEntries(line_);
      wanted_[faction].fill(true);
    } else if (!inEntries(line_)) {
      laterLine_[faction] = line_;
    }
  }

  void weightHeading(int weight) {
    for (Table& table : tables_) {
      if (table.nextWeightLine == 0) {
        table.nextWeightLine = line_;
        table.nextWeight = weight;
      }
    }
    for (int owner = 0; owner <= kVehicles; ++owner) {
      bool& wanted = owner == kVehicles ? vehicleWanted_[weight] : wanted_[owner][weight];
      if (!wanted) continue;
      wanted = false;
      tableLine_[owner][weight] = line_;
      tables_.push_back({line_, weight, owner});
    }
    lastWeightLine_ = line_;
  }

  // A faction whose name stands again, outside any table, after its first line: the search
  // stops at the first, which is then not where the section was meant to begin.
  bool misplaced(int faction) const { return laterLine_[faction] != 0; }

  // A faction's heading as the checks see it: its first line, unless that is misplaced.
  Line headingLine(int faction) const { return misplaced(faction) ? 0 : firstLine_[faction]; }

  // The first line after `line` that ends a faction's section: another faction's heading or
  // the vehicle section; 0 for the end of the file.
  Line sectionEnd(Line line) const {
    Line end = vehicleLine_ > line ? vehicleLine_ : 0;
    for (int f = 0; f < kFactions; ++f) {
      const Line heading = headingLine(f);
      if (heading > line && (end == 0 || heading < end)) end = heading;
    }
    return end;
  }

  // The faction whose heading stands from line `from` up to, not including, line `to`; or -1.
  int factionBetween(Line from, Line to) const {
    for (int f = 0; f < kFactions; ++f)
      if (headingLine(f) >= from && headingLine(f) < to) return f;
    return -1;
  }

  bool isOwn(const Table& table) const {
    if (table.owner == kVehicles) return factionBetween(vehicleLine_, table.line) < 0;
    const Line end = sectionEnd(firstLine_[table.owner]);
    return end == 0 || table.line < end;
  }

  std::string tableName(const Table& table) const {
    const std::string weight = inQuotes(kWeightHeadings[table.weight]);
    if (table.owner == kVehicles) return "vehicle table " + weight;
    return "table " + weight + " of " + inQuotes(kFactionHeadings[table.owner]);
  }

  void checkFactions() {
    for (int f = 0; f < kFactions; ++f) {
      const std::string faction = inQuotes(kFactionHeadings[f]);
      if (firstLine_[f] == 0) {
        add(line_, "the file ends without the heading " + faction +
                       "; the search for that faction runs to the end of the file");
        continue;
      }
      if (misplaced(f)) {
        add(firstLine_[f],
            faction + (firstInEntries_[f] ? " stands among a table's entries" : " stands here") +
                " before its heading at line " + std::to_string(laterLine_[f]) +
                "; the faction search stops at the first line of that name");
      }
      const Line end = sectionEnd(firstLine_[f]);
      for (int w = 0; w < kWeights; ++w) {
        const std::string weight = inQuotes(kWeightHeadings[w]);
        const Line table = tableLine_[f][w];
        if (table == 0) {
          add(firstLine_[f], "faction " + faction + " has no " + weight +
                                 " table; the search for one runs to the end of the file");
        } else if (end != 0 && table >= end) {
          add(firstLine_[f], "faction " + faction + " has no " + weight +
                                 " table of its own; its search would take the one at line " +
                                 std::to_string(table));
        }
      }
    }
  }

  void checkVehicles() {
    if (vehicleLine_ == 0) {
      add(line_, "the file ends at byte " + std::to_string(offset_) +
                     ", before the vehicle section at byte " + std::to_string(vehicleStart));
      return;
    }
    for (int w = 0; w < kWeights; ++w) {
      const std::string weight = inQuotes(kWeightHeadings[w]);
      const Line table = tableLine_[kVehicles][w];
      if (table == 0) {
        add(std::min(vehicleLine_, line_), "no " + weight + " vehicle table follows byte " +
                                               std::to_string(vehicleStart) +
                                               "; the search for one runs to the end of the file");
        continue;
      }
      const int faction = factionBetween(vehicleLine_, table);
      if (faction >= 0) {
        add(table, "the " + weight + " table found from byte " + std::to_string(vehicleStart) +
                       " lies in the section of " + inQuotes(kFactionHeadings[faction]) +
                       " (line " + std::to_string(firstLine_[faction]) +
                       "), not in the vehicle section");
      }
    }
  }

  // Reports a table that ends before its eleventh entry, naming what ends it.
  void checkEntries(const Table& table) {
    Line end = line_ + 1;
    std::string reason = "the file ends at line " + std::to_string(line_);
    if (table.nextWeightLine != 0 && table.nextWeightLine < end) {
      end = table.nextWeightLine;
      reason = "the weight word " + inQuotes(kWeightHeadings[table.nextWeight]) +
               " stands at line " + std::to_string(end) + ", among its entries";
    }
    for (int f = 0; f < kFactions; ++f) {
      if (headingLine(f) > table.line && headingLine(f) < end) {
        end = headingLine(f);
        reason = "line " + std::to_string(end) + " opens the section of " +
                 inQuotes(kFactionHeadings[f]);
      }
    }
    if (table.owner != kVehicles && vehicleLine_ > table.line && vehicleLine_ < end) {
      end = vehicleLine_;
      reason = "the vehicle section begins at line " + std::to_string(end);
    }
    const Line entries = end - table.line - 1;
    if (entries < kEntries) {
      add(table.line, tableName(table) + " has " + std::to_string(entries) + " entries, " +
                          std::to_string(kEntries) + " expected; " + reason);
    }
  }

  void add(Line line, std::string text) { problems_.push_back({line, std::move(text)}); }

  std::uint64_t offset_ = 0;
  std::uint64_t lineStart_ = 0;
  Line line_ = 0;
  std::string text_;
  char last_ = '\0';
  bool vehicleByteSeen_ = false;

  Line crLines_ = 0;
  Line firstCrLine_ = 0;
  Line lastWeightLine_ = 0;
  Line vehicleLine_ = 0;
  std::array<Line, kFactions> firstLine_{};
  std::array<bool, kFactions> firstInEntries_{};
  std::array<Line, kFactions> laterLine_{};
  std::array<std::array<bool, kWeights>, kFactions> wanted_{};
  std::array<bool, kWeights> vehicleWanted_{};
  std::array<std::array<Line, kWeights>, kFactions + 1> tableLine_{};
  std::vector<Table> tables_;
  std::vector<Problem> problems_;
};

}  // namespace

std::vector<std::string> checkTableBytes(std::string_view bytes, const std::string& name) {
  if (const std::string problem = textProblem(bytes); !problem.empty())
    return {name + ", line 1: " + problem};
  Scanner scanner;
  scanner.feed(bytes);
  return scanner.finish(name);
}

std::vector<std::string> checkTableFile(const std::filesystem::path& path) {
  return checkTableBytes(readTableFile(path), path.string());
}

std::vector<std::string> tableWarning(std::string_view bytes, const std::string& name) {
  std::vector<std::string> warning = checkTableBytes(bytes, name);
  if (warning.empty()) return warning;
  warning.insert(warning.begin(), name + " fails its check; what is drawn from it follows its " +
                                      "searches as they read it. musterwright-cli --fit-tables " +
                                      name + " --out FILE lays it out to pass:");
  return warning;
}
