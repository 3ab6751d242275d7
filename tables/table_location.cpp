#include "tables/table_location.h"

#include <system_error>

#include "tables/table_error.h"

namespace {

const char* const kTableFileName = "Tables.dat";

}  // namespace

std::vector<std::filesystem::path> tableFileCandidates() {
  std::vector<std::filesystem::path> candidates{kTableFileName};
  std::error_code ignored;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ignored);
  if (!executable.empty()) candidates.push_back(executable.parent_path() / kTableFileName);
  candidates.push_back(std::filesystem::path(MUSTERWRIGHT_DATADIR) / kTableFileName);
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
