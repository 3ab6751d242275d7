// SPDX-License-Identifier: MIT
// Saving through musterwright-cli --out when the save cannot succeed: every fault ends with
// status 1, a message naming the file and the system's reason, nothing on standard output, and
// the folder exactly as it was (the old roster byte for byte, no temporary file left).
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/table_files.h"

namespace {

namespace fs = std::filesystem;

const std::string kOldRoster =
    "Kurita\r\nLance\r\nHeavy\r\nRegular\r\n \r\nOld Design P: 4 G: 3\r\n";

// Every file under `folder` with its bytes, "/" after a folder's name.
std::map<std::string, std::string> contentsOf(const fs::path& folder) {
  std::map<std::string, std::string> contents;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = fs::relative(entry.path(), folder).string();
    if (entry.is_directory()) {
      contents[name + "/"] = "";
    } else {
      std::ifstream in(entry.path(), std::ios::binary);
      contents[name] = std::string(std::istreambuf_iterator<char>(in), {});
    }
  }
  return contents;
}

// The shipped tables are read through a copy that an ordinary user can reach too.
std::vector<std::string> saveTo(const std::string& out) {
  static const std::string tables = reachableCopy(SHIPPED_TABLES).string();
  return {"--faction", "Kurita", "--size", "Company",  "--seed",
          "5",         "--out",  out,      "--tables", tables};
}

struct SaveFault {
  std::string what;
  std::string out;     // the --out name, relative to the scratch folder
  std::string reason;  // what the message says after "musterwright-cli: "<name>" was not saved: "
  RunSetting setting;
};

TEST(SaveFaults, EachIsReportedAndLeavesTheFolderAsItWas) {
  const ScratchFolder scratch;
  const fs::path folder = scratch.path();
  scratch.write("Random.txt", kOldRoster);
  fs::create_directory(folder / "rosters");
  scratch.write("rosters/Star.txt", kOldRoster);
  fs::create_directory(folder / "closed");
  scratch.write("closed/Random.txt", kOldRoster);
  scratch.write("closed/Locked.txt", kOldRoster);
  fs::permissions(folder / "closed/Locked.txt",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(folder / "closed", fs::perms::owner_read | fs::perms::owner_exec |
                                         fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
  const std::map<std::string, std::string> before = contentsOf(folder);

  RunSetting inFolder;
  inFolder.folder = folder;
  RunSetting ordinaryUser = inFolder;
  ordinaryUser.asOrdinaryUser = true;
  RunSetting tinyFiles = inFolder;
  tinyFiles.fileSizeLimit = 16;

  std::vector<SaveFault> faults;
  faults.push_back({"a missing folder", "absent/Random.txt",
                    "cannot create a file in the folder \"absent\": No such file or directory",
                    inFolder});
  faults.push_back({"a path through a file", "Random.txt/Star.txt",
                    "looking up the file failed: Not a directory", inFolder});
  faults.push_back(
      {"a folder's name", "rosters", "the name is a folder: Is a directory", inFolder});
  faults.push_back({"a name ending in a slash", "rosters/new/",
                    "the name ends in a folder separator: Is a directory", inFolder});
  faults.push_back(
      {"an empty name", "", "the file name is empty: No such file or directory", inFolder});
  faults.push_back(
      {"a device that is full", "/dev/full", "writing failed: No space left on device", inFolder});
  faults.push_back({"a write that fails after the open", "Random.txt",
                    "writing failed: File too large", tinyFiles});
  faults.push_back({"a new file in a read-only folder", "closed/New.txt",
                    "cannot create a file in the folder \"closed\": Permission denied",
                    ordinaryUser});
  faults.push_back({"a read-only file in a read-only folder", "closed/Locked.txt",
                    "the file may not be written: Permission denied", ordinaryUser});
  // Nothing can be created in /proc: the reason is the file's own, not the folder's.
  faults.push_back({"a file of the system", "/proc/version",
                    ::geteuid() == 0 ? "writing failed: Input/output error"
                                     : "the file may not be written: Permission denied",
                    inFolder});

  const bool ordinaryUserHere = ordinaryUserAvailable();
  for (const SaveFault& fault : faults) {
    if (fault.setting.asOrdinaryUser && !ordinaryUserHere) {
      std::cerr << "skipped " << fault.what << ": root cannot give up its rights here\n";
      continue;
    }
    const RunResult run = runProgram(CLI_PROGRAM, saveTo(fault.out), fault.setting);
    EXPECT_FALSE(run.hung) << fault.what;
    EXPECT_EQ(run.status, 1) << fault.what << "\n" << run.err;
    EXPECT_EQ(run.out, "") << fault.what;
    EXPECT_EQ(run.err,
              "musterwright-cli: \"" + fault.out + "\" was not saved: " + fault.reason + "\n")
        << fault.what;
    EXPECT_EQ(contentsOf(folder), before) << fault.what;
  }
  fs::permissions(folder / "closed", fs::perms::owner_all);
}

}  // namespace
