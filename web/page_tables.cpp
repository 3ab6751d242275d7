// SPDX-License-Identifier: MIT
#include "web/page_tables.h"

#include <filesystem>
#include <utility>

#include "generator/table_text.h"
#include "tables/table_error.h"
#include "tables/table_identity.h"
#include "web/page_engine.h"

namespace {

namespace fs = std::filesystem;

// The shipped table file, named "Tables.dat" in messages. Throws TableError as readTableText
// does.
TableText shippedTables() {
  // Made anew under its short name, so that the messages of its index and walk use it too.
  return TableText{readTableText("/shipped/Tables.dat").bytes, "Tables.dat"};
}

}  // namespace

ForceModel& pageModel() {
  static ForceModel model = [] {
    ForceModel started;
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
