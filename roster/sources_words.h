// SPDX-License-Identifier: MIT
// Words naming what a front end draws from: the table file, the design list and the skill table in
// use, and how a design list the player has just chosen meets the tables in use.
#ifndef MUSTERWRIGHT_ROSTER_SOURCES_WORDS_H
#define MUSTERWRIGHT_ROSTER_SOURCES_WORDS_H

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "tables/design_list.h"

// The design list or the skill table a front end draws with, as its model knows it.
struct ListInUse {
  std::optional<std::filesystem::path> file;  // none when none was chosen or found
  bool chosen = false;                        // chosen by the player, not found beside the tables
  bool used = false;                          // read; false for a file refused
};

// The table file, the design list and the skill table in use, named for the player.
struct SourcesWords {
  // Each file's name without its folder: "Tables.dat", or "No table file" before one is read;
  // "Mine.csv", "Mine.csv (not used)" for a list refused, or "No design list"; the same for the
  // skill table, "No skill table" for none.
  std::string tables;
  std::string designs;
  std::string skills;
  // All three whole, one a line: "Table file: /games/Tables.dat" ("none could be read yet"), then
  // "Design list: /games/Designs.csv, found beside the table file" (", chosen" for the player's
  // own; ", not used: it cannot be read" added for a list refused; "none beside the table file,
  // so tons and points are unknown" for none), then "Skill table: " the same way ("none beside
  // the table file, so points with crew skill are unknown" for none). Folders are written whole
  // from the root.
  std::string whole;
};

// `tables` is the table file in use, none before one was read. Never throws but for lack of
// memory.
SourcesWords sourcesWords(const std::optional<std::filesystem::path>& tables,
                          const ListInUse& designs, const ListInUse& skills = {});

// The heading of the problems of the design list at `file`, refused as the player chose it:
// "Mine.csv is not used; the design list in use stays. Its problems:".
std::string refusedDesignListText(const std::filesystem::path& file);

// The same for a skill table: "Crew.csv is not used; the skill table in use stays. Its
// problems:".
std::string refusedSkillTableText(const std::filesystem::path& file);

// The heading of the warnings of the skill table at `file`, just chosen: "Crew.csv is in use;
// it names crews that no rule table rolls:".
std::string chosenSkillTableText(const std::filesystem::path& file);

// What to tell the player who has just chosen the design list `list` from `listFile` while the
// table file `tablesFile`, whose slots can hold `slotNames` (slotDesignNames), is in use.
struct DesignListMatch {
  // "Every design of Mine.csv (420) is in a table of Tables.dat.", or how many of them are in no
  // table, so that no force draws them, and what would put them in one.
  std::string text;
  // Whether tables laid out from the list would hold designs that no table holds now: some of
  // those have a weight class (the list's weight_class column).
  bool layOutHelps = false;
};
DesignListMatch designListMatch(const DesignList& list, std::span<const std::string> slotNames,
                                const std::filesystem::path& listFile,
                                const std::filesystem::path& tablesFile);

#endif
