// SPDX-License-Identifier: MIT
// Keeps every save (the listing, a force's data, the odds, a laid-out table file) off the table
// file in use.
#ifndef MUSTERWRIGHT_ROSTER_TABLE_GUARD_H
#define MUSTERWRIGHT_ROSTER_TABLE_GUARD_H

#include <filesystem>

// Throws SaveError (roster_file.h) when `target` is `tableFile` by any name (a relative path, a
// symbolic or hard link), as the file system decides. A target that does not exist yet, or a
// table file that no longer does, is never the same file.
void refuseTableFile(const std::filesystem::path& target, const std::filesystem::path& tableFile);

#endif
