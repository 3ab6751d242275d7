// SPDX-License-Identifier: MIT
// musterwright-cli run on the shipped table file and design list, for the suites of draws within
// a band. A later --designs overrides the shipped list. A draw within a band takes some seconds in
// the sanitizer build, so a run is called hung only after two minutes.
#ifndef MUSTERWRIGHT_TESTS_CLI_SHIPPED_RUN_H
#define MUSTERWRIGHT_TESTS_CLI_SHIPPED_RUN_H

#include <chrono>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/table_files.h"

inline RunResult runCli(const std::vector<std::string>& args) {
  std::vector<std::string> all = {"--tables", SHIPPED_TABLES, "--designs", SHIPPED_DESIGNS};
  all.insert(all.end(), args.begin(), args.end());
  RunSetting setting;
  setting.deadline = std::chrono::seconds(120);
  return runProgram(CLI_PROGRAM, all, setting);
}

#endif
