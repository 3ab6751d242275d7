// SPDX-License-Identifier: MIT
// Which design list a front end uses with a table file, and the names its rows are matched to:
// a list the player names, or else the one found beside the table file (table_location.h).
#ifndef MUSTERWRIGHT_ROSTER_DESIGN_SOURCE_H
#define MUSTERWRIGHT_ROSTER_DESIGN_SOURCE_H

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/design_list.h"

// Every name a slot can hold with the table file whose bytes are `tableBytes`, named `fileName`
// in messages: the tables' names (tableDesignNames), then the battle armour's.
std::vector<std::string> slotDesignNames(const std::string& tableBytes, std::string_view fileName);

// What to tell the player whose design list `list`, named `fileName`, lacks tons or points for
// any of the names the rules give battle armour ("Battle Suit", "Elemental"), which no table
// holds: one warning for the whole list, "mine.csv: the list lacks tons or points for "Battle
// Suit" and "Elemental", the names the rules give battle armour; their slots count as without
// them". "" when the list numbers them all.
std::string battleArmourWarning(const DesignList& list, const std::string& fileName);

// The list found for the table file at `tables`, read quietly (UnknownNames::quiet) and without
// the table file's names, so no table is searched; what to tell the player when it cannot be
// used; and where it was found.
struct FoundDesignList {
  std::optional<DesignListRead> read;  // none when no list was found or it was refused
  std::string notice;  // "<file> is not used: <every problem>" for a refused list, else ""
  std::optional<std::filesystem::path> file;  // none when no list was found
};

// The list locateDesignList finds beside `tables`. A missing list is no fault, and a refused one
// only a notice: the totals then say the numbers are unknown. Never throws but for lack of
// memory.
FoundDesignList foundDesignList(const std::filesystem::path& tables);

// The same for a list a front end holds as its `bytes` rather than in a folder (the page's
// shipped list), named `file` in messages and as the file found.
FoundDesignList foundDesignList(std::string_view bytes, const std::filesystem::path& file);

#endif
