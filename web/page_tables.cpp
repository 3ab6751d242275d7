// SPDX-License-Identifier: MIT
#include "web/page_tables.h"

#include <filesystem>
#include <optional>
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

// The shipped design list as read, or the reason it is not used.
struct ShippedDesigns {
  std::optional<DesignList> list;
  std::string notice;
};

const ShippedDesigns& shippedDesigns() {
  static const ShippedDesigns read = [] {
    const fs::path path = "/shipped/Designs.csv";
    std::error_code missing;
    if (!fs::exists(path, missing)) return ShippedDesigns{};
    try {
      return ShippedDesigns{readDesignListFile(path, {}, UnknownNames::quiet).list, ""};
    } catch (const DesignListError& error) {
      return ShippedDesigns{std::nullopt, std::string("Designs.csv is not used:\n") + error.what()};
    }
  }();
  return read;
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

const DesignList* pageDesigns() {
  const std::optional<DesignList>& list = shippedDesigns().list;
  return list ? &*list : nullptr;
}

const std::string& pageDesignNotice() {
  return shippedDesigns().notice;
}
