// SPDX-License-Identifier: MIT
// Which skill table a front end uses with a table file: one the player names, or else the one
// found beside the table file (table_location.h), as the design list is found.
#ifndef MUSTERWRIGHT_ROSTER_SKILL_SOURCE_H
#define MUSTERWRIGHT_ROSTER_SKILL_SOURCE_H

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "tables/skill_table.h"

// The table found for the table file at `tables`; what to tell the player when it cannot be
// used; and where it was found. Its warnings are dropped: a table found on its own is read
// quietly.
struct FoundSkillTable {
  std::optional<SkillTable> table;  // none when no table was found or it was refused
  std::string notice;  // "<file> is not used: <every problem>" for a refused table, else ""
  std::optional<std::filesystem::path> file;  // none when no table was found
};

// The table locateSkillTable finds beside `tables`. A missing table is no fault, and a refused
// one only a notice. Never throws but for lack of memory.
FoundSkillTable foundSkillTable(const std::filesystem::path& tables);

// The same for a table a front end holds as its `bytes` (the page's shipped table), named
// `file` in messages and as the file found.
FoundSkillTable foundSkillTable(std::string_view bytes, const std::filesystem::path& file);

// The table the player names at `path`, with a warning for each crew no rule table rolls.
// Throws SkillTableError.
SkillTableRead readChosenSkillTable(const std::filesystem::path& path);

#endif
