// SPDX-License-Identifier: MIT
// The files in use a front end keeps for its next start, as one set: the table file the player
// chose, or the made tables with the base they were laid out over; the design list chosen; the
// collection. Each is kept with its kind (files_in_use.h), so a new kind of file in use is kept
// by keeping it here under its own kind. At the next start the set is used whole, or, when a
// file of it is gone, not at all.
#ifndef MUSTERWRIGHT_ROSTER_KEPT_FILES_H
#define MUSTERWRIGHT_ROSTER_KEPT_FILES_H

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "roster/files_in_use.h"

class KeptFiles {
 public:
  struct Kept {
    FileKind kind;
    std::filesystem::path file;
  };

  // Keeps `file` as `kind` in place of every file kept in its role (made tables and a table file
  // take each other's place); none forgets the role.
  void keep(FileKind kind, std::optional<std::filesystem::path> file);
  // The file kept as `kind` itself, not another kind of its role; none when there is none.
  std::optional<std::filesystem::path> file(FileKind kind) const;
  // Every file kept, in the order they were kept.
  const std::vector<Kept>& files() const { return kept_; }

 private:
  std::vector<Kept> kept_;
};

// The files a front end starts with, from the set `kept` at its last run.
struct StartingFiles {
  // `kept` when every file of it is still there; else none of it.
  KeptFiles files;
  // "" when the set is used; else each file gone, with its kind, and what is used instead:
  // "Gone since the last run: the made tables "/x/mine-tables.dat", the design list "/x/a.csv".
  // None of the files of that run are used; the program starts as it does without them."
  std::string notice;
};

// Never throws but for lack of memory; a file that cannot be looked at counts as gone.
StartingFiles startingFiles(const KeptFiles& kept);

#endif
