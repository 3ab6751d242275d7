// SPDX-License-Identifier: MIT
// Where the table file is looked for, and the message when it is found nowhere.
#include "tables/table_location.h"

#include <gtest/gtest.h>

#include <string>

#include "support/table_files.h"
#include "tables/table_error.h"

namespace {

// Runs in `folder` for the life of the object.
class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& folder)
      : before_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~InFolder() { std::filesystem::current_path(before_); }

 private:
  std::filesystem::path before_;
};

TEST(TableLocation, CurrentFolderThenBesideTheProgramThenTheInstalledDataFolders) {
  const std::vector<std::filesystem::path> candidates = tableFileCandidates();
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
  ASSERT_GE(candidates.size(), 3u);
  EXPECT_EQ(candidates[0], "Tables.dat");
  EXPECT_EQ(candidates[1], program.parent_path() / "Tables.dat");
  EXPECT_EQ(candidates[2], (program.parent_path().parent_path() / "share/musterwright/Tables.dat"));
  EXPECT_EQ(candidates.back().filename(), "Tables.dat");
}

TEST(TableLocation, TheCurrentFolderWinsAndNowhereNamesEveryPlace) {
  ScratchFolder folder;
  const InFolder here(folder.path());
  const auto places = tableFileCandidates();
  const bool elsewhere = std::any_of(places.begin() + 1, places.end(), [](const auto& place) {
    return std::filesystem::exists(place);
  });
  if (!elsewhere) {
    try {
      locateTableFile();
      FAIL() << "no Tables.dat is anywhere";
    } catch (const TableError& error) {
      const std::string message = error.what();
      for (const auto& place : places) {
        EXPECT_NE(message.find(std::filesystem::absolute(place).string()), std::string::npos)
            << message;
      }
    }
  }
  folder.write("Tables.dat", "Kurita\n");
  EXPECT_EQ(locateTableFile(), "Tables.dat");
}

}  // namespace
