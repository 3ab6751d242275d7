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

TEST(CollectionCli, OnlyOwnedCopiesTheSameForceForASeedRerollsOddsAndRefusals) {
  std::string text;
  const std::map<std::string, int> owned = shelf(text);
  ScratchFolder folder;
  const std::string file = folder.write("mine.txt", text).string();
  const std::vector<std::string> kurita = {"--faction",    "kurita", "--tables", SHIPPED_TABLES,
                                           "--collection", file,     "--format", "json"};
  const auto with = [&](std::vector<std::string> more) {
    more.insert(more.begin(), kurita.begin(), kurita.end());
    return more;
  };
  for (const char* limit : {"--vehicles", "--unique"}) {
    for (int seed = 1; seed <= 20; ++seed) {
      const auto args = with({"--size", "company", limit, "--seed", std::to_string(seed)});
      const RunResult run = runCli(args);
      ASSERT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(runCli(args).out, run.out);
      const nlohmann::json force = nlohmann::json::parse(run.out);
      EXPECT_EQ(force.at("collection").at("name"), "mine");
      std::map<std::string, int> used;
      int open = 0;
      for (const auto& group : force.at("groups"))
        for (const auto& slot : group.at("slots")) {
          if (slot.at("kind") == "open" && slot.at("piloting").is_null()) {
            ++open;
          } else {
            ASSERT_TRUE(owned.count(slot.at("design"))) << slot.at("design");
            EXPECT_LE(++used[slot.at("design")],
                      std::string(limit) == "--unique" ? 1 : owned.at(slot.at("design")));
          }
        }
      EXPECT_EQ(open > 0, run.err.find(" stayed open") != std::string::npos) << run.err;
    }
  }
  const auto rerolled = with({"--size", "lance", "--seed", "3", "--reroll", "1.2,1"});
  const RunResult first = runCli(rerolled);
  const RunResult again = runCli(rerolled);
  ASSERT_EQ(first.status, 0) << first.err;
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_FALSE(first.out.empty());
  EXPECT_EQ(again.out, first.out);
  const nlohmann::json odds = nlohmann::json::parse(
      runCli(with({"--size", "lance", "--weight", "light", "--odds", "--unique"})).out);
  EXPECT_EQ(odds.at("open_slots"), "1/6") << "the Heavy slot of composition 6, none owned";
  EXPECT_EQ(odds.at("parts").at(0).at("rows").at(0).at("chance"), "1/36");

  const std::string bad = folder.write("bad.txt", "2 Mailfist\n100 Fogstep\nmailfist\n").string();
  std::vector<std::string> refused = kurita;
  refused[5] = bad;
  const RunResult no = runCli(refused);
  EXPECT_EQ(no.status, 1);
  EXPECT_NE(no.err.find("bad.txt, line 2: the count 100 is more than 99 copies\n" + bad +
                        ", line 3: \"mailfist\" is already on line 1\n"),
            std::string::npos)
      << no.err;
}

}  // namespace
