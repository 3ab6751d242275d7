// SPDX-License-Identifier: MIT
// Saving a listing to a text file, every line followed by CR LF, or any bytes, written exactly.
// A failed save is reported and never destroys what the file held before. SaveError is the
// failure of every save, the refusal of a file in use (files_in_use.h) included.
#ifndef MUSTERWRIGHT_ROSTER_ROSTER_FILE_H
#define MUSTERWRIGHT_ROSTER_ROSTER_FILE_H

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/apstring.h"

// A save that failed; the message names the file and the system's reason.
class SaveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes `lines`, each followed by CR LF, to `fileName` taken unchanged (no lines give an
// empty file). The content goes to a temporary file in the same folder that then replaces
// the target; where no file can be created in the folder (other than for want of space) but
// the file exists, the file is rewritten in place, and a failure gives the file's own reason.
// New files get mode 0666 less the umask; a replaced file keeps its permission bits. A
// symbolic link is followed and the file it leads to is replaced, the link kept; a device or
// pipe is written in place. Throws SaveError on any failure (an empty name, a folder, a
// read-only file, a missing or closed folder, a failed write, flush or close), leaving an
// existing file as it was and no temporary file behind. The one exception is the in-place
// rewrite: a write that fails part-way leaves the file's first bytes already overwritten.
void saveLines(const std::string& fileName, const std::vector<apstring>& lines);

// The same for `bytes`, written exactly as they are.
void saveBytes(const std::string& fileName, std::string_view bytes);

#endif
