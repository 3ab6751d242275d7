// SPDX-License-Identifier: MIT
#include "web/page_tables.h"

#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "generator/crew_skills.h"
#include "generator/table_text.h"
#include "roster/design_source.h"
#include "tables/design_list.h"
#include "tables/player_file.h"
#include "tables/table_error.h"
#include "tables/table_file.h"
#include "tables/table_identity.h"
#include "web/page_engine.h"

namespace {

namespace fs = std::filesystem;

// Where the page's build or the site's loader puts the shipped Tables.dat, Designs.csv and
// Skills.csv.
constexpr const char* kShippedFolder = "/shipped";

// The user's design list or skill table in use: its bytes and file name.
struct ChosenFile {
  std::string bytes;
  std::string fileName;
};

ChosenFile& chosenSkills() {
  static ChosenFile chosen;
  return chosen;
}

ChosenFile& chosenDesigns() {
  static ChosenFile chosen;
  return chosen;
}

}  // namespace

const TableText& shippedTables() {
  // Named by its short name, so that the messages of its index and walk use it.
  static const TableText shipped{readTableFile(fs::path(kShippedFolder) / "Tables.dat"),
                                 "Tables.dat"};
  return shipped;
}

const std::string& shippedDesignBytes() {
  // "" while the page's build or loader has left the list out: it is looked for again. A list
  // not in place yet is passed over without an exception, which is slow to throw on a page.
  static std::string bytes;
  const fs::path path = fs::path(kShippedFolder) / kDesignListFileName;
  std::error_code absent;
  if (bytes.empty() && fs::exists(path, absent)) {
    try {
      bytes = designListBytes(path);
    } catch (const DesignListError&) {
      // Unreadable: none found.
    }
  }
  return bytes;
}

std::shared_ptr<const FoundDesignList> foundDesigns() {
  // The shipped list is handed to the model as its bytes, named as it is beside a table file.
  static std::shared_ptr<const FoundDesignList> found;
  if (found) return found;
  if (shippedDesignBytes().empty()) return std::make_shared<const FoundDesignList>();
  found = std::make_shared<const FoundDesignList>(
      foundDesignList(shippedDesignBytes(), kDesignListFileName));
  return found;
}

std::shared_ptr<const FoundSkillTable> foundSkills() {
  // Looked for again while it is not in place, as the design list is.
  static std::shared_ptr<const FoundSkillTable> found;
  if (found) return found;
  const fs::path path = fs::path(kShippedFolder) / kSkillTableFileName;
  std::error_code absent;
  if (!fs::exists(path, absent)) return std::make_shared<const FoundSkillTable>();
  try {
    found = std::make_shared<const FoundSkillTable>(foundSkillTable(
        playerFileBytes(path, kMaxSkillTableBytes, "skill table"), kSkillTableFileName));
  } catch (const PlayerFileError&) {
    found = std::make_shared<const FoundSkillTable>();
  }
  return found;
}

void shippedFilesArrived() {
  pageModel().useFoundFiles(foundDesigns(), *foundSkills());
}

ForceModel& pageModel() {
  static ForceModel model = [] {
    // No table file is put in use here: the page puts the shipped one or the user's in use as
    // it starts.
    ForceModel started;
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
  return useMadeTables(bytes, name, nullptr);
}

void useShippedTables() {
  pageModel().useTables(shippedTables(), foundDesigns(), nullptr, foundSkills());
}

std::vector<std::string> useMadeTables(const std::string& bytes, const std::string& name,
                                       std::shared_ptr<const TableText> base) {
  // A file is named by its own name alone, as the player knows it.
  fs::path fileName = fs::path(name).filename();
  if (fileName.empty() || fileName == "." || fileName == "..") fileName = "Tables.dat";
  return pageModel().useTables(tableTextOf(bytes, fileName), foundDesigns(), std::move(base),
                               foundSkills());
}

bool isShippedTables(const TableText& tables) {
  try {
    return tables.bytes == shippedTables().bytes;
  } catch (const TableError&) {
    return false;
  }
}

DesignListRead useChosenDesigns(const std::string& bytes, const std::string& name) {
  fs::path fileName = fs::path(name).filename();
  if (fileName.empty() || fileName == "." || fileName == "..") fileName = "Designs.csv";
  std::vector<std::string> names;
  if (const std::shared_ptr<const TableText> tables = pageModel().tables())
    names = slotDesignNames(tables->bytes, tables->name.string());
  DesignListRead read =
      readDesignList(bytes, fileName.string(), fileName.stem().string(), names, UnknownNames::warn);
  if (std::string armour = battleArmourWarning(read.list, fileName.string()); !armour.empty())
    read.warnings.push_back(std::move(armour));
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

SkillTableRead useChosenSkills(const std::string& bytes, const std::string& name) {
  fs::path fileName = fs::path(name).filename();
  if (fileName.empty() || fileName == "." || fileName == "..") fileName = kSkillTableFileName;
  SkillTableRead read =
      readSkillTable(bytes, fileName.string(), fileName.stem().string(), rolledCrewPairs());
  pageModel().useSkillTable(std::make_shared<const SkillTable>(read.table));
  chosenSkills() = {bytes, fileName.string()};
  return read;
}

void forgetChosenSkills() {
  pageModel().useSkillTable(nullptr);
  chosenSkills() = {};
}

const std::string& chosenSkillBytes() {
  return chosenSkills().bytes;
}

const std::string& chosenSkillFileName() {
  return chosenSkills().fileName;
}
