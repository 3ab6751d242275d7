// SPDX-License-Identifier: MIT
#include "web/page_tables.h"

#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "generator/table_text.h"
#include "roster/design_source.h"
#include "tables/table_error.h"
#include "tables/table_file.h"
#include "tables/table_identity.h"
#include "web/page_engine.h"

namespace {

namespace fs = std::filesystem;

// Where the page's build or the site's loader puts the shipped Tables.dat and Designs.csv.
constexpr const char* kShippedFolder = "/shipped";

// The user's design list in use: its bytes and file name.
struct ChosenDesigns {
  std::string bytes;
  std::string fileName;
};

ChosenDesigns& chosenDesigns() {
  static ChosenDesigns chosen;
  return chosen;
}

}  // namespace

const TableText& shippedTables() {
  // Named by its short name, so that the messages of its index and walk use it.
  static const TableText shipped{readTableFile(fs::path(kShippedFolder) / "Tables.dat"),
                                 "Tables.dat"};
  return shipped;
}

std::shared_ptr<const FoundDesignList> foundDesigns() {
  // Every table file the page uses is named by its name alone, in the module's working folder,
  // so the list found beside one is the list found beside any.
  static const std::shared_ptr<const FoundDesignList> found = [] {
    pageModel();  // whose start makes the shipped folder the working one
    return std::make_shared<const FoundDesignList>(foundDesignList("Tables.dat"));
  }();
  return found;
}

ForceModel& pageModel() {
  static ForceModel model = [] {
    ForceModel started;
    // A table file is named by its name alone, so the design list beside it is looked for here.
    std::error_code noFolder;
    fs::current_path(kShippedFolder, noFolder);
    // No table file is put in use here: the page puts the shipped one or the user's in use as
    // it starts.
    try {
      started.setShippedChecksum(tableChecksum(shippedTables().bytes));
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
  return pageModel().useTables(tableTextOf(bytes, fileName), foundDesigns());
}

void useShippedTables() {
  pageModel().useTables(shippedTables(), foundDesigns());
}

DesignListRead useChosenDesigns(const std::string& bytes, const std::string& name) {
  fs::path fileName = fs::path(name).filename();
  if (fileName.empty() || fileName == "." || fileName == "..") fileName = "Designs.csv";
  std::vector<std::string> names;
  if (const std::shared_ptr<const TableText> tables = pageModel().tables())
    names = slotDesignNames(tables->bytes, tables->name.string());
  DesignListRead read =
      readDesignList(bytes, fileName.string(), fileName.stem().string(), names, UnknownNames::warn);
  pageModel().useDesignList(std::make_shared<const DesignList>(read.list));
  chosenDesigns() = {bytes, fileName.string()};
  return read;
}

void forgetChosenDesigns() {
  pageModel().useDesignList(nullptr);
  chosenDesigns() = {};
}

const std::string& chosenDesignBytes() {
  return chosenDesigns().bytes;
}

const std::string& chosenDesignFileName() {
  return chosenDesigns().fileName;
}
