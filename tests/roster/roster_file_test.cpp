// SPDX-License-Identifier: MIT
#include "roster/roster_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>

#include "foundation/apstring_stream.h"
#include "roster/files_in_use.h"
#include "roster/listing_text.h"
#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"

namespace {

namespace fs = std::filesystem;

const std::vector<apstring> kListing = {"Kurita", "Lance", " ", "Sleetfang P: 4 G: 3"};
const std::string kListingBytes = "Kurita\r\nLance\r\n \r\nSleetfang P: 4 G: 3\r\n";
const std::string kOldBytes = "what the file held before\r\n";

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

mode_t modeOf(const fs::path& file) {
  struct stat info {};
  EXPECT_EQ(::stat(file.c_str(), &info), 0);
  return info.st_mode & 07777;
}

// The message of the SaveError that saving `kListing` to `name` throws; "" when none.
std::string saveFailure(const std::string& name) {
  try {
    saveLines(name, kListing);
  } catch (const SaveError& error) {
    return error.what();
  }
  return "";
}

// Runs `scenario` in a child process as an ordinary user (root's children give up root
// first, since permissions do not bind root). The scenario writes what went wrong to the
// standard error stream and returns false.
void runAsOrdinaryUser(const std::function<bool()>& scenario) {
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && !becomeNobody()) std::_Exit(3);
        std::_Exit(scenario() ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

TEST(TextLines, SplitsAtLineFeedsWithoutATrailingEmptyLine) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"",                      {}                       },
      {"a",                     {"a"}                    },
      {"a\n",                   {"a"}                    },
      {"a\nb",                  {"a", "b"}               },
      {"a\n\n",                 {"a", ""}                },
      {"\n",                    {""}                     },
      {" \nKurita P: 4 G: 3\n", {" ", "Kurita P: 4 G: 3"}},
  };
  for (const auto& [text, expected] : cases) {
    std::vector<std::string> lines;
    for (const apstring& line : textLines(text)) lines.emplace_back(line.c_str());
    EXPECT_EQ(lines, expected) << "text \"" << text << "\"";
  }
}

TEST(SaveLines, WritesEveryLineWithCrLfAndReplacesTheWholeFile) {
  const ScratchFolder folder;
  const fs::path file = folder.path() / "Random.txt";
  saveLines(file, kListing);
  EXPECT_EQ(bytesOf(file), kListingBytes);

  saveLines(file, {"Wolf"});
  EXPECT_EQ(bytesOf(file), "Wolf\r\n") << "a second save leaves only its own text";

  saveLines(file, {});
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(fs::file_size(file), 0u);
  EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"Random.txt"}) << "no temporary left";
}

TEST(SaveLines, NewFileTakesTheUmaskAndAnOldFileKeepsItsMode) {
  const ScratchFolder folder;
  const mode_t oldMask = ::umask(027);
  saveLines(folder.path() / "new.txt", kListing);
  ::umask(oldMask);
  EXPECT_EQ(modeOf(folder.path() / "new.txt"), 0640);

  const fs::path old = folder.write("old.txt", kOldBytes);
  fs::permissions(old, static_cast<fs::perms>(0604));
  saveLines(old, kListing);
  EXPECT_EQ(modeOf(old), 0604);
  EXPECT_EQ(bytesOf(old), kListingBytes);
}

TEST(SaveLines, ALinkKeepsPointingAtTheSavedFile) {
  const ScratchFolder folder;
  const fs::path target = folder.write("target.txt", kOldBytes);
  fs::create_symlink("target.txt", folder.path() / "link.txt");
  saveLines(folder.path() / "link.txt", kListing);
  EXPECT_TRUE(fs::is_symlink(folder.path() / "link.txt"));
  EXPECT_EQ(bytesOf(target), kListingBytes);

  fs::create_symlink("absent.txt", folder.path() / "dangling.txt");
  saveLines(folder.path() / "dangling.txt", kListing);
  EXPECT_EQ(bytesOf(folder.path() / "absent.txt"), kListingBytes);
}

// The table file is refused by any name that leads to it; every other name passes, a file
// still to be made and a table file that is gone included, and so does every name once the
// made tables take the table file's place.
TEST(RefuseTableFile, OnlyTheTableFileByAnyName) {
  const ScratchFolder folder;
  const fs::path tables = folder.write("Tables.dat", kOldBytes);
  fs::create_symlink("Tables.dat", folder.path() / "link.dat");
  fs::create_directory(folder.path() / "sub");
  FilesInUse files;
  files.hold(kTableFile, tables);
  for (const fs::path& name :
       {tables, folder.path() / "sub" / ".." / "Tables.dat", folder.path() / "link.dat"}) {
    try {
      files.refuseSave(name);
      ADD_FAILURE() << name << " was let through";
    } catch (const SaveError& error) {
      EXPECT_NE(std::string(error.what()).find("is the table file in use"), std::string::npos);
    }
  }
  const fs::path other = folder.write("Random.txt", kOldBytes);
  for (const fs::path& name : {other, folder.path() / "new.txt"})
    EXPECT_NO_THROW(files.refuseSave(name)) << name;
  files.hold(kMadeTables, folder.path() / "gone.dat");
  EXPECT_NO_THROW(files.refuseSave(tables));
  EXPECT_NO_THROW(files.refuseSave(other));
}

TEST(SaveLines, EveryFailureIsReportedAndLeavesTheFolderAsItWas) {
  const ScratchFolder folder;
  const fs::path kept = folder.write("kept.txt", kOldBytes);
  fs::create_directory(folder.path() / "folder");
  fs::create_symlink("loop2", folder.path() / "loop1");
  fs::create_symlink("loop1", folder.path() / "loop2");
  const std::set<std::string> before = namesIn(folder.path());

  struct Case {
    std::string name;
    std::string reason;
  };
  std::vector<Case> cases = {
      {"",                                                  "No such file or directory"        },
      {(folder.path() / "missing" / "Random.txt").string(), "No such file or directory"        },
      {(folder.path() / "folder").string(),                 "Is a directory"                   },
      {(folder.path() / "kept.txt" / "x.txt").string(),     "Not a directory"                  },
      {(folder.path() / "loop1").string(),                  "Too many levels of symbolic links"},
  };
  if (fs::exists("/dev/full")) cases.push_back({"/dev/full", "No space left on device"});
  for (const Case& c : cases) {
    const std::string message = saveFailure(c.name);
    EXPECT_NE(message.find("\"" + c.name + "\""), std::string::npos) << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
  }
  EXPECT_EQ(namesIn(folder.path()), before);
  EXPECT_EQ(bytesOf(kept), kOldBytes);
}

// Saves under a file size limit below the listing's size, so that the write itself fails
// (EFBIG); ends the process with 0 when that failure was reported.
[[noreturn]] void saveBeyondTheSizeLimit(const fs::path& file) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{8, limit.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &small);
  const std::string message = saveFailure(file.string());
  ::setrlimit(RLIMIT_FSIZE, &limit);  // the message goes to a file too
  std::cerr << message;
  std::_Exit(message.find("File too large") != std::string::npos ? 0 : 1);
}

TEST(SaveLines, AFailedWriteKeepsTheOldContentAndLeavesNoTemporary) {
  const ScratchFolder folder;
  const fs::path file = folder.write("Random.txt", kOldBytes);
  EXPECT_EXIT(saveBeyondTheSizeLimit(file), testing::ExitedWithCode(0), "writing failed");
  EXPECT_EQ(bytesOf(file), kOldBytes);
  EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"Random.txt"});
}

TEST(SaveLines, PermissionsOfFolderAndFileDecideHowItIsSaved) {
  const ScratchFolder scratch;
  fs::create_directory(scratch.path() / "shared");
  fs::permissions(scratch.path() / "shared", fs::perms::all);
  runAsOrdinaryUser([&scratch] {
    const fs::path folder = scratch.path() / "shared" / "own";
    fs::create_directory(folder);
    const fs::path open = folder / "open.txt";
    const fs::path locked = folder / "locked.txt";
    std::ofstream(open, std::ios::binary) << kOldBytes;
    std::ofstream(locked, std::ios::binary) << kOldBytes;
    fs::permissions(locked, static_cast<fs::perms>(0444));

    const std::string lockedFailure = saveFailure(locked.string());
    fs::permissions(folder, static_cast<fs::perms>(0555));
    const std::string newFailure = saveFailure((folder / "new.txt").string());
    std::string openFailure;
    try {
      saveLines(open.string(), {"Wolf"});
    } catch (const SaveError& error) {
      openFailure = error.what();
    }
    const std::set<std::string> names = namesIn(folder);
    fs::permissions(folder, fs::perms::all);

    std::ostringstream problems;
    if (lockedFailure.find("Permission denied") == std::string::npos)
      problems << "a read-only file was replaced: " << lockedFailure << "\n";
    if (bytesOf(locked) != kOldBytes) problems << "the read-only file changed\n";
    if (newFailure.find("Permission denied") == std::string::npos)
      problems << "a new file in a closed folder: " << newFailure << "\n";
    if (!openFailure.empty() || bytesOf(open) != "Wolf\r\n")
      problems << "a writable file in a closed folder is not rewritten: " << openFailure << "\n";
    if (names != std::set<std::string>{"locked.txt", "open.txt"})
      problems << "the folder holds " << names.size() << " names\n";
    std::cerr << problems.str();
    return problems.str().empty();
  });
}

}  // namespace
