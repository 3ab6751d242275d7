// SPDX-License-Identifier: MIT
#include "web/page_tables.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "generator/table_text.h"
#include "tables/table_error.h"
#include "tables/table_identity.h"
#include "web/page_engine.h"

namespace {

namespace fs = std::filesystem;

// Where the page's build or the site's loader puts the shipped Tables.dat and Designs.csv.
constexpr const char* kShippedFolder = "/shipped";

// The shipped table file, named "Tables.dat" in messages. Throws TableError as readTableText
// does.
TableText shippedTables() {
  // Made anew under its short name, so that the messages of its index and walk use it too.
  return TableText{readTableText(fs::path(kShippedFolder) / "Tables.dat").bytes, "Tables.dat"};
}

}  // namespace

ForceModel& pageModel() {
  static ForceModel model = [] {
    ForceModel started;
    // A table file is named by its name alone, so the design list beside it is looked for here.
    std::error_code noFolder;
    fs::current_path(kShippedFolder, noFolder);
    try {
      TableText shipped = shippedTables();
      started.setShippedChecksum(tableChecksum(shipped.bytes));
      started.useTables(std::move(shipped));
    } catch (const TableError&) {
      // The page says so when it puts the shipped file in use.
    }
    return started;
  }();
  return model;
}

std::vector<std::string> useChosenTables(const std::string& bytes, const std::string& name) {
  fs::path fileName = fs::path(name).filename();
  if (fileName.empty() || fileName == "." || fileName == "..") fileName = "Tables.dat";
  return pageModel().useTables(tableTextOf(bytes, fileName));
}

void useShippedTables() {
  pageModel().useTables(shippedTables());
}
