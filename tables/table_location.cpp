// SPDX-License-Identifier: MIT
#include "tables/table_location.h"

#include <system_error>

#include "tables/design_list.h"
#include "tables/skill_table.h"
#include "tables/table_error.h"

namespace {

const char* const kTableFileName = "Tables.dat";

}  // namespace

std::vector<std::filesystem::path> tableFileCandidates() {
  std::vector<std::filesystem::path> candidates{kTableFileName};
  std::error_code ignored;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ignored);
  const std::filesystem::path configured =
      std::filesystem::path(MUSTERWRIGHT_DATADIR) / kTableFileName;
  if (!executable.empty()) {
    const std::filesystem::path folder = executable.parent_path();
    candidates.push_back(folder / kTableFileName);
    const std::filesystem::path installed =
        (folder.parent_path() / "share" / "musterwright" / kTableFileName).lexically_normal();
    if (installed != configured) candidates.push_back(installed);
  }
  candidates.push_back(configured);
  return candidates;
}

std::filesystem::path locateTableFile() {
  std::string tried;
  for (const std::filesystem::path& candidate : tableFileCandidates()) {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(candidate, ignored)) return candidate;
    tried += "\n  " + std::filesystem::absolute(candidate, ignored).string();
  }
  throw TableError("Tables.dat was found nowhere; looked in:" + tried);
}

namespace {

// The first regular file named `fileName` beside `tableFile`, then in the folders of
// tableFileCandidates, in order.
std::optional<std::filesystem::path> locateBeside(const std::filesystem::path& tableFile,
                                                  const char* fileName) {
  std::vector<std::filesystem::path> candidates{tableFile.parent_path() / fileName};
  for (const std::filesystem::path& table : tableFileCandidates())
    candidates.push_back(table.parent_path() / fileName);
  for (const std::filesystem::path& candidate : candidates) {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(candidate, ignored)) return candidate;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> locateDesignList(const std::filesystem::path& tableFile) {
  return locateBeside(tableFile, kDesignListFileName);
}

std::optional<std::filesystem::path> locateSkillTable(const std::filesystem::path& tableFile) {
  return locateBeside(tableFile, kSkillTableFileName);
}
