// SPDX-License-Identifier: MIT
// musterwright-cli with design lists: the totals line agrees with the JSON's numbers, a list
// beside the table file is found, a bad list is refused with its rows and nothing drawn.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string_view>

#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"
#include "tables/collection.h"

namespace {

RunResult runCli(const std::vector<std::string>& args) {
  return runProgram(CLI_PROGRAM, args, RunSetting{});
}

const std::vector<std::string> kDavion = {"--faction", "davion", "--size",   "company",
                                          "--seed",    "7",      "--tables", SHIPPED_TABLES};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(DesignsCli, TheTotalsLineIsTheSumOfTheSlotsNumbersAndIsSavedWithTheListing) {
  const ScratchFolder folder;
  const std::string saved = (folder.path() / "force.txt").string();
  // Crew skill is left out here; skills_cli_test.cpp counts it.
  const std::vector<std::string> davion = with(kDavion, {"--skills", "none"});
  const RunResult plain = runCli(davion);
  const RunResult totals = runCli(with(davion, {"--totals", "--out", saved}));
  const RunResult json = runCli(with(davion, {"--totals", "--format", "json"}));
  ASSERT_EQ(plain.status + totals.status + json.status, 0) << totals.err << json.err;
  const nlohmann::json force = nlohmann::json::parse(json.out);
  double tons = 0;
  int points = 0;
  for (const nlohmann::json& group : force["groups"])
    for (const nlohmann::json& slot : group["slots"]) {
      tons += slot["tons"].get<double>();
      points += slot["points"].get<int>();
    }
  ASSERT_GT(points, 999);
  const std::string thousands =
      std::to_string(points / 1000) + "," + std::to_string(points % 1000 + 1000).substr(1);
  const std::string line =
      "Total: " + std::to_string(static_cast<int>(tons)) + " tons, " + thousands + " points\n";
  EXPECT_EQ(totals.out, plain.out + "\n" + line);
  EXPECT_EQ(bytesOf(saved), withCrLf(totals.out));
  EXPECT_EQ(force["totals"]["points"], points);
  EXPECT_EQ(force["designs"]["name"], "Designs");
  const RunResult none = runCli(with(kDavion, {"--designs", "none", "--format", "json"}));
  EXPECT_EQ(nlohmann::json::parse(none.out)["totals"]["without_tons"], 12);
}

TEST(DesignsCli, AListBesideTheTablesIsUsedABadOneNamedIsRefusedWithItsRows) {
  const ScratchFolder folder;
  const std::string tables = folder.write("Tables.dat", bytesOf(SHIPPED_TABLES)).string();
  std::string designs = "design,tons,points\n";
  std::set<std::string> names;
  std::istringstream lines(bytesOf(SHIPPED_TABLES));
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && names.insert(foldedName(line)).second) designs += line + ",1,2\n";
  folder.write("Designs.csv", designs);
  const RunResult beside =
      runCli({"--faction", "kurita", "--size", "lance", "--weight", "medium", "--seed", "5",
              "--tables", tables, "--totals", "--skills", "none"});
  EXPECT_TRUE(beside.out.ends_with("\nTotal: 4 tons, 8 points\n")) << beside.out << beside.err;
  // --out never replaces the list in use, found or named.
  for (const std::string_view flag : {"--tables", "--designs"}) {
    const std::string list = (folder.path() / "Designs.csv").string();
    const RunResult run = runCli({"--seed", "1", "--tables", tables, std::string(flag),
                                  flag == "--tables" ? tables : list, "--out", list});
    EXPECT_EQ(run.status, 1) << flag;
    EXPECT_EQ(run.out, "") << flag;
    EXPECT_NE(run.err.find("it is the design list in use"), std::string::npos) << run.err;
  }
  EXPECT_EQ(bytesOf(folder.path() / "Designs.csv"), designs);
  // clang-format off
  const struct { std::string list, problem; } rows[] = {
      {"design,tons\nMailfist,55\nmailfist,60\n", ", line 3: \"mailfist\" is already on line 2"},
      {"design,points\nMailfist,many\n", ", line 2: points \"many\" of \"Mailfist\" is not a whole"},
      {"name,tons\nMailfist,55\n", ", line 1: the header has no \"design\" column"},
      {std::string("design\n\0\x01", 9), ": the file is not text"},
  };
  // clang-format on
  for (const auto& row : rows) {
    const std::string list = folder.write("bad.csv", row.list).string();
    const RunResult run = runCli(with(kDavion, {"--designs", list}));
    EXPECT_EQ(run.status, 1) << row.list;
    EXPECT_EQ(run.out, "") << row.list;
    EXPECT_NE(run.err.find(list + row.problem), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("the design list " + list + " was refused; nothing drawn"),
              std::string::npos);
  }
  const std::string typo = folder.write("typo.csv", "Design,Tons,Era\nMailfsit,55,x\n").string();
  const RunResult warned = runCli(with(kDavion, {"--designs", typo}));
  EXPECT_EQ(warned.status, 0);
  EXPECT_EQ(warned.err, "musterwright-cli: " + typo + ": columns not used: Era\n" +
                            "musterwright-cli: warning: " + typo +
                            ", line 2: \"Mailfsit\" is in no table (nearest: Mailfist, "
                            "Malachite, Baldric); kept\n");
}

}  // namespace
