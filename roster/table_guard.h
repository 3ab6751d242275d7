// SPDX-License-Identifier: MIT
// Keeps every save (the listing, a force's data, the odds, a laid-out table file) off the table
// file in use and off the design list in use.
#ifndef MUSTERWRIGHT_ROSTER_TABLE_GUARD_H
#define MUSTERWRIGHT_ROSTER_TABLE_GUARD_H

#include <filesystem>
#include <optional>

// Throws SaveError (roster_file.h) when `target` is `tableFile` by any name (a relative path, a
// symbolic or hard link), as the file system decides. A target that does not exist yet, or a
// table file that no longer does, is never the same file.
void refuseTableFile(const std::filesystem::path& target, const std::filesystem::path& tableFile);

// The same for the design list in use, `designList` (none when no list is in use): the message
// names the design list.
void refuseDesignList(const std::filesystem::path& target,
                      const std::optional<std::filesystem::path>& designList);

#endif
