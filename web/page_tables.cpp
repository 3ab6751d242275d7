// SPDX-License-Identifier: MIT
#include "web/page_tables.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tables/table_check.h"
#include "tables/table_error.h"
#include "tables/table_identity.h"

namespace {

namespace fs = std::filesystem;

const fs::path kShippedFolder = "/shipped";
const fs::path kChosenFolder = "/chosen";

std::shared_ptr<const TableText> tablesInUse = std::make_shared<TableText>();

// Makes `name` in `folder` the table file in use, named by `name` alone in messages. Throws
// TableError as readTableText does; the table file in use then stays.
void openIn(const fs::path& folder, const fs::path& name) {
  if (chdir(folder.c_str()) != 0) throw TableError(folder.string() + ": cannot be entered");
  tablesInUse = std::make_shared<const TableText>(readTableText(name));
}

}  // namespace

std::shared_ptr<const TableText> pageTables() {
  return tablesInUse;
}

std::vector<std::string> useChosenTables(const std::string& bytes, const std::string& name) {
  fs::path fileName = fs::path(name).filename();
  if (fileName.empty() || fileName == "." || fileName == "..") fileName = "Tables.dat";
  std::error_code error;
  fs::create_directories(kChosenFolder, error);
  std::ofstream(kChosenFolder / fileName, std::ios::binary | std::ios::trunc) << bytes;
  openIn(kChosenFolder, fileName);
  return tableWarning(tablesInUse->bytes, fileName.string());
}

void useShippedTables() {
  openIn(kShippedFolder, "Tables.dat");
}

const std::string& shippedChecksum() {
  static const std::string checksum = [] {
    try {
      return tableChecksum(readTableText(kShippedFolder / "Tables.dat").bytes);
    } catch (const TableError&) {
      return std::string();
    }
  }();
  return checksum;
}
