// SPDX-License-Identifier: MIT
// A skill table: how much a crew's piloting and gunnery make a design worth, as a percent of its
// points, read from a CSV file whose header names its columns (musterwright-skills(5)) with the
// design list's reader (csv_reader.h). The columns read are "piloting", "gunnery" and "percent",
// in any order and letter case; any other column is left alone.
#ifndef MUSTERWRIGHT_TABLES_SKILL_TABLE_H
#define MUSTERWRIGHT_TABLES_SKILL_TABLE_H

#include <compare>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The file a skill table is looked for under, beside the design list's (table_location.h).
inline constexpr const char* kSkillTableFileName = "Skills.csv";
// The most bytes a skill table may hold.
inline constexpr std::uintmax_t kMaxSkillTableBytes = std::uintmax_t{1} << 16;
// The bounds of a skill and of a percent.
inline constexpr int kHighestSkill = 9;
inline constexpr int kLowestPercent = 1;
inline constexpr int kHighestPercent = 1000;

// A skill table refused whole: every problem, one a line, each "<file>, line N: ..." where it
// has a line.
class SkillTableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A crew's two skills, each 0 to 9, lower being better.
struct CrewPair {
  int piloting = 0;
  int gunnery = 0;
  auto operator<=>(const CrewPair&) const = default;
};

struct SkillTable {
  // The file's name without its folder and extension ("Skills" for Skills.csv).
  std::string name;
  // tableChecksum (table_identity.h) of the rows as "piloting<TAB>gunnery<TAB>percent" lines,
  // sorted and joined by line feeds: the same table written differently has the same identity.
  std::string identity;
  // The percent of every pair the table gives.
  std::map<CrewPair, int> percents;

  // The percent of the crew whose skills are the digit characters `piloting` and `gunnery`;
  // none when the table lacks the pair or a skill is no digit (not rolled).
  std::optional<int> percentOf(char piloting, char gunnery) const;
  // A design's `points` with that crew counted (pointsWithSkill); none when the points are
  // unknown or the table lacks the crew.
  std::optional<std::int64_t> pointsOf(std::optional<std::int64_t> points, char piloting,
                                       char gunnery) const;
};

// What a read table holds and what the player should be told about it.
struct SkillTableRead {
  SkillTable table;
  // "<file>, line N: piloting 9, gunnery 9 is a crew no rule table rolls; kept", one per row
  // with a skill beyond every skill of the pairs the reader was given (from the lowest to the
  // highest, piloting and gunnery alike): a row within them only fills out the table's grid.
  std::vector<std::string> warnings;
};

// The table held in `bytes`, named `fileName` in messages and `name` in the result; `rolled` are
// the pairs the rule tables can roll (rolledCrewPairs, crew_skills.h). Rows whose fields are all
// blank are skipped. Throws SkillTableError listing every problem: more than kMaxSkillTableBytes,
// bytes that are no UTF-8 text or hold a NUL, bytes that are no CSV, no header row, a header
// lacking any of the three columns, a header with no rows under it, a skill that is not a whole
// number from 0 to 9, a percent that is not a whole number from 1 to 1,000 (an empty cell
// included), one pair on two rows (naming both).
SkillTableRead readSkillTable(std::string_view bytes, const std::string& fileName,
                              const std::string& name, std::span<const CrewPair> rolled);

// The same for the file at `path`. Throws SkillTableError as well when the file cannot be read;
// reading stops past kMaxSkillTableBytes.
SkillTableRead readSkillTableFile(const std::filesystem::path& path,
                                  std::span<const CrewPair> rolled);

// `points` times `percent` / 100, rounded half up: a design's points with its crew counted.
std::int64_t pointsWithSkill(std::int64_t points, int percent);

#endif
