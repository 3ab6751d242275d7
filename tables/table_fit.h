// SPDX-License-Identifier: MIT
// Lays out a hand-edited table file so that it passes the checker, changing only what the
// searches of a sound file never read: CR LF line ends become LF, and the filler between the
// last faction table and the vehicle section is lengthened or shortened so that the vehicle
// section begins at byte vehicleStart. The filler is the last run of lines there without a
// letter or digit (the shipped file's lines of dashes); where there is none, filler is
// inserted right after the last faction table. New filler repeats the run's first line (or,
// without one, 39 dashes) and ends with a shorter line where the bytes call for it.
#ifndef MUSTERWRIGHT_TABLES_TABLE_FIT_H
#define MUSTERWRIGHT_TABLES_TABLE_FIT_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The laid-out file, or why there is none.
struct TableFit {
  std::string bytes;                  // the laid-out file when `problems` is empty
  std::vector<std::string> problems;  // otherwise what stands in the way, in file order
};

// Lays out the table file whose content is `bytes`; `name` opens every message. A file that
// passes the checker once its line ends are LF comes back with only that change (a file
// already laid out, byte for byte). When the faction tables end past vehicleStart, the one
// problem says by how many bytes they must shrink. When the laid-out file would still fail
// the checker (a missing heading, a short table), the problems are the checker's messages on
// `bytes` as given.
TableFit fitTableBytes(std::string_view bytes, const std::string& name);

// The byte of `text` (LF line ends) at which the filler begins, which is where the faction
// tables and whatever stands before the filler end: the bytes that the vehicle section's fixed
// byte leaves the factions. None when the faction headings, the last faction's tables or a
// vehicle table cannot be found.
std::optional<std::size_t> fillerStart(const std::string& text);

#endif
