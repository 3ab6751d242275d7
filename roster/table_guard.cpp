// SPDX-License-Identifier: MIT
#include "roster/table_guard.h"

#include <system_error>

#include "foundation/in_quotes.h"
#include "roster/roster_file.h"

namespace fs = std::filesystem;

void refuseTableFile(const fs::path& target, const fs::path& tableFile) {
  std::error_code unknown;
  if (fs::equivalent(target, tableFile, unknown)) {
    throw SaveError(inQuotes(target.string()) + " was not saved: it is the table file in use, " +
                    inQuotes(fs::absolute(tableFile, unknown).string()) + "; choose another name");
  }
}
