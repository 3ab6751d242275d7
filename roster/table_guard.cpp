// SPDX-License-Identifier: MIT
#include "roster/table_guard.h"

#include <system_error>

#include "foundation/in_quotes.h"
#include "roster/roster_file.h"

namespace fs = std::filesystem;

namespace {

void refuseFileInUse(const fs::path& target, const fs::path& inUse, const char* what) {
  std::error_code unknown;
  if (fs::equivalent(target, inUse, unknown)) {
    throw SaveError(inQuotes(target.string()) + " was not saved: it is the " + what + " in use, " +
                    inQuotes(fs::absolute(inUse, unknown).string()) + "; choose another name");
  }
}

}  // namespace

void refuseTableFile(const fs::path& target, const fs::path& tableFile) {
  refuseFileInUse(target, tableFile, "table file");
}

void refuseDesignList(const fs::path& target, const std::optional<fs::path>& designList) {
  if (designList) refuseFileInUse(target, *designList, "design list");
}
