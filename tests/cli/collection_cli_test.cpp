// SPDX-License-Identifier: MIT
// musterwright-cli with a collection of 30 designs, as a new user runs it: only owned designs,
// never more copies than owned, the same force for the same seed, re-rolls, odds, refusals.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"

namespace {

RunResult runCli(const std::vector<std::string>& args) {
  return runProgram(CLI_PROGRAM, args, RunSetting{});
}

// The Kurita Light and Medium tables' 22 designs and 8 vehicles of the shipped file, 2 copies
// of each Light design, 1 of the others: 30 designs written as a player might.
std::map<std::string, int> shelf(std::string& file) {
  std::istringstream in(bytesOf(SHIPPED_TABLES));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::map<std::string, int> owned;
  file = "# my shelf\r\n";
  const auto own = [&](std::size_t line, int copies) {
    owned[lines.at(line)] = copies;
    file += (copies == 1 ? "" : std::to_string(copies) + " ") + lines.at(line) + "\r\n";
  };
  for (std::size_t line = 3; line <= 13; ++line) own(line, 2);
  for (std::size_t line = 15; line <= 25; ++line) own(line, 1);
  std::size_t vehicles = 0;
  while (lines.at(vehicles) != "Vehicles") ++vehicles;
  for (std::size_t line = vehicles + 2; line < vehicles + 10; ++line) own(line, 1);
  return owned;
}

TEST(CollectionCli, DrawsOnlyOwnedCopiesAndTheSeedGivesTheSameForce) {
  std::string text;
  const std::map<std::string, int> owned = shelf(text);
  ASSERT_EQ(owned.size(), 30u);
  ScratchFolder folder;
  const std::string file = folder.write("mine.txt", text).string();
  for (const char* vehicles : {"--vehicles", "--unique"}) {
    for (int seed = 1; seed <= 20; ++seed) {
      const std::vector<std::string> args = {"--faction",          "kurita",   "--size", "company",
                                             "--collection",       file,       vehicles, "--seed",
                                             std::to_string(seed), "--format", "json",   "--tables",
                                             SHIPPED_TABLES};
      const RunResult run = runCli(args);
      ASSERT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(runCli(args).out, run.out);
      const nlohmann::json force = nlohmann::json::parse(run.out);
      EXPECT_EQ(force.at("collection").at("name"), "mine");
      std::map<std::string, int> used;
      int open = 0;
      for (const auto& group : force.at("groups"))
        for (const auto& slot : group.at("slots")) {
          if (slot.at("kind") == "open") {
            ++open;
            EXPECT_TRUE(slot.at("piloting").is_null());
            continue;
          }
          const std::string design = slot.at("design");
          ASSERT_TRUE(owned.count(design)) << design;
          EXPECT_LE(++used[design], std::string(vehicles) == "--unique" ? 1 : owned.at(design));
        }
      EXPECT_EQ(open > 0, run.err.find(std::to_string(open) + (open == 1 ? " slot" : " slots") +
                                       " stayed open") != std::string::npos)
          << run.err;
    }
  }
}

TEST(CollectionCli, RerollsOddsAndRefusals) {
  std::string text;
  shelf(text);
  ScratchFolder folder;
  const std::string file = folder.write("mine.txt", text).string();
  const std::vector<std::string> lance = {"--faction",    "kurita", "--size",   "lance",
                                          "--weight",     "light",  "--tables", SHIPPED_TABLES,
                                          "--collection", file};
  std::vector<std::string> args = lance;
  args.insert(args.end(), {"--seed", "3", "--reroll", "1.2,1"});
  EXPECT_EQ(runCli(args).out, runCli(args).out);
  EXPECT_EQ(runCli(args).status, 0);

  std::vector<std::string> odds = lance;
  odds.insert(odds.end(), {"--odds", "--unique", "--format", "json"});
  const RunResult run = runCli(odds);
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json report = nlohmann::json::parse(run.out);
  EXPECT_EQ(report.at("unique"), true);
  EXPECT_EQ(report.at("open_slots"), "1/6") << "the Heavy slot of composition 6, none owned";
  EXPECT_EQ(report.at("parts").at(0).at("rows").at(0).at("chance"), "1/36");

  const std::string bad = folder.write("bad.txt", "2 Mailfist\n100 Fogstep\nmailfist\n").string();
  std::vector<std::string> refused = lance;
  refused.back() = bad;
  const RunResult no = runCli(refused);
  EXPECT_EQ(no.status, 1);
  EXPECT_EQ(no.out, "");
  EXPECT_NE(no.err.find("bad.txt, line 2: the count 100 is more than 99 copies\n" + bad +
                        ", line 3: \"mailfist\" is already on line 1\n"),
            std::string::npos)
      << no.err;
}

}  // namespace
