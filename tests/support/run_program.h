// SPDX-License-Identifier: MIT
// Runs a program as a user would, for the suites that run the built programs: its standard
// output and standard error come back whole through pipes (so a file-size limit never touches
// them), and a run that outlives its deadline is killed and reported as hung rather than
// stalling the suite.
#ifndef MUSTERWRIGHT_TESTS_SUPPORT_RUN_PROGRAM_H
#define MUSTERWRIGHT_TESTS_SUPPORT_RUN_PROGRAM_H

#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct RunSetting {
  std::chrono::seconds deadline{30};
  // The folder the program starts in; the test's own when empty.
  std::filesystem::path folder;
  // A limit on the size of any file the program writes (RLIMIT_FSIZE); writes beyond it fail
  // with EFBIG instead of raising SIGXFSZ.
  std::optional<rlim_t> fileSizeLimit;
  // Where the program's standard output goes instead of coming back in `out` (say /dev/full).
  std::filesystem::path output;
  // Run with an ordinary user's rights: a test run by root starts the program as the user
  // "nobody" (65534), so that file permissions bind it. The program then runs from a copy that
  // user can reach (see reachableCopy), wherever the checkout lies.
  bool asOrdinaryUser = false;
};

struct RunResult {
  int status = -1;  // the exit status; -1 when the program was killed or did not start
  bool hung = false;
  std::string out, err;
  std::chrono::milliseconds took{0};
};

// Runs `program` with `args`. A program that cannot be started gives status -1 and the reason
// in `err`.
RunResult runProgram(const std::string& program, const std::vector<std::string>& args,
                     const RunSetting& setting = {});

// A copy of `file`, made once per test program, in a folder under the system's temporary folder
// that every user may enter and read (removed when the test program ends): a checkout in a
// folder of mode 700 hides its programs and data from the user "nobody". Throws
// std::filesystem::filesystem_error when the copy cannot be made.
std::filesystem::path reachableCopy(const std::filesystem::path& file);

// Gives up root for the user "nobody" (65534) in a child process, so that file permissions
// bind it; false when that fails. Safe between fork and exec.
bool becomeNobody();

// Whether a child can be given an ordinary user's rights here: true for anyone but root, and
// for root when it may change to the user "nobody".
bool ordinaryUserAvailable();

#endif
