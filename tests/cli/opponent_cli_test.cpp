// SPDX-License-Identifier: MIT
// musterwright-cli with an opposing force, as two players agreeing a fair fight run it: the first
// force byte for byte as it is drawn alone, the opposing force within the band of its total, the
// same pair for the same seed, the balance in JSON agreeing with the slots' sums, and every
// refusal with its status and nothing on standard output.
#include <gtest/gtest.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/shipped_run.h"
#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"

namespace {

std::vector<std::string> joined(std::vector<std::string> first,
                                const std::vector<std::string>& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

TEST(OpponentCli, TheFirstForceStaysAsItIsDrawnAlone) {
  const std::vector<std::vector<std::string>> runs = {
      {"--faction", "Davion",  "--size",  "Company",         "--seed",    "7",      "--totals"},
      {"--faction",           "Kurita",          "--size", "Battalion", "--seed", "3", "--reroll", "2-3,1.2"},
      {"--faction", "Davion", "--size",          "Company",                 "--seed",                    "5",                    "--points", "15000-16500",
       "--reroll", "2"},
      {"--faction",   "Jade Falcon",         "--seed",        "12","--vehicles",                                                        "--totals"                                                            },
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(run[1] + " " + run[5]);
    const RunResult alone = runCli(run);
    ASSERT_EQ(alone.status, 0) << alone.err;
    const RunResult paired = runCli(joined(run, {"--opponent-faction", "Wolf", "--totals"}));
    ASSERT_EQ(paired.status, 0) << paired.err;
    const RunResult withTotals = runCli(joined(run, {"--totals"}));
    EXPECT_EQ(paired.out.substr(0, withTotals.out.size() + 16),
              withTotals.out + "\nOpposing force\n");
    EXPECT_EQ(runCli(joined(run, {"--opponent-faction", "Wolf", "--totals"})).out, paired.out);

    const RunResult json = runCli(joined(run, {"--opponent", "--format", "json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    nlohmann::json pair = nlohmann::json::parse(json.out);
    pair.erase("opponent");
    pair.erase("balance");
    EXPECT_EQ(pair, nlohmann::json::parse(runCli(joined(run, {"--format", "json"})).out));

    // The CSV: side A's rows as alone after "A,", then side B's after "B,".
    const std::string csv = runCli(joined(run, {"--opponent", "--format", "csv"})).out;
    const std::string plain = runCli(joined(run, {"--format", "csv"})).out;
    std::string sideA = "side,";
    for (std::size_t at = 0; at < plain.size();) {
      const std::size_t end = plain.find("\r\n", at) + 2;
      sideA += (at == 0 ? "" : "A,") + plain.substr(at, end - at);
      at = end;
    }
    EXPECT_EQ(csv.substr(0, sideA.size()), sideA);
    EXPECT_EQ(csv.substr(sideA.size(), 2), "B,");
  }
}

TEST(OpponentCli, SideBLiesInItsBandWhichItsRerollsKeep) {
  const std::vector<std::string> base = {
      "--faction", "Davion", "--size", "Company", "--format", "json", "--opponent-faction", "Wolf"};
  const struct {
    std::vector<std::string> more;
    const char* measure;
    const char* total;
  } cases[] = {
      {{"--seed", "7"},                                              "skill_points", "skill_points"},
      {{"--seed", "8", "--balance-by", "points", "--opponent-size", "Binary", "--opponent-reroll",
        "1-2,1.3"},
       "points",                                                                     "points"      },
      {{"--seed", "9", "--balance-by", "tons", "--tolerance", "10"}, "tons",         "tons"        },
      {{"--seed", "10", "--handicap", "150", "--reroll", "3"},       "skill_points", "skill_points"},
      {{"--seed", "11", "--skills", "none"},                         "points",       "points"      },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.more[1]);
    const RunResult run = runCli(joined(base, c.more));
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json data = nlohmann::json::parse(run.out);
    const nlohmann::json& balance = data.at("balance");
    EXPECT_EQ(balance.at("measure"), c.measure);
    EXPECT_EQ(balance.at("side_a"), data.at("totals").at(c.total));
    EXPECT_EQ(balance.at("side_b"), data.at("opponent").at("totals").at(c.total));
    EXPECT_LE(balance.at("low").get<double>(), balance.at("side_b").get<double>());
    EXPECT_GE(balance.at("high").get<double>(), balance.at("side_b").get<double>());
    EXPECT_EQ(data.at("opponent").at("budget").at(c.total).at("low"), balance.at("low"));
    EXPECT_EQ(data.at("opponent").at("faction"), "Wolf");
    const double percent =
        balance.at("side_b").get<double>() * 100 / balance.at("side_a").get<double>();
    EXPECT_NEAR(balance.at("percent").get<double>(), percent, 0.05);
  }
}

// The same shelf named for both sides: each side draws from its own copies, the opposing force
// each design at most once, and the shelf is a file in use that --out never writes over.
TEST(OpponentCli, EachSideDrawsFromItsOwnCopiesOfOneShelf) {
  std::string shelf = "# my shelf\r\n";
  std::istringstream in(bytesOf(SHIPPED_TABLES));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::set<std::string> owned;
  for (std::size_t line = 3; line <= 25; ++line)
    if (line != 14) {
      owned.insert(lines.at(line));
      shelf += "2 " + lines.at(line) + "\r\n";
    }
  ScratchFolder folder;
  const std::string file = folder.write("mine.txt", shelf).string();
  const std::vector<std::string> run = {"--faction",
                                        "Kurita",
                                        "--size",
                                        "Lance",
                                        "--seed",
                                        "3",
                                        "--collection",
                                        file,
                                        "--opponent-faction",
                                        "Kurita",
                                        "--opponent-size",
                                        "Lance",
                                        "--opponent-collection",
                                        file,
                                        "--opponent-unique",
                                        "--tolerance",
                                        "20",
                                        "--format",
                                        "json"};
  const RunResult paired = runCli(run);
  ASSERT_EQ(paired.status, 0) << paired.err;
  const nlohmann::json opponent = nlohmann::json::parse(paired.out).at("opponent");
  EXPECT_EQ(opponent.at("collection").at("name"), "mine");
  std::set<std::string> drawn;
  for (const nlohmann::json& group : opponent.at("groups"))
    for (const nlohmann::json& slot : group.at("slots")) {
      const std::string design = slot.at("design");
      if (design.empty()) continue;
      EXPECT_TRUE(owned.count(design)) << design;
      EXPECT_TRUE(drawn.insert(design).second) << design << " twice";
    }
  const RunResult over = runCli(joined(run, {"--out", file}));
  EXPECT_EQ(over.status, 1);
  EXPECT_EQ(over.out, "");
  EXPECT_EQ(bytesOf(file), shelf);
}

TEST(OpponentCli, RefusalsSayWhyWithTheirStatusAndPrintNothing) {
  const std::vector<std::string> company = {"--faction", "Davion", "--size",
                                            "Company",   "--seed", "7"};
  const struct {
    std::vector<std::string> more;
    int status;
    const char* says;
  } cases[] = {
      {{"--opponent", "--designs", "none"},                                2, "needs a design list"          },
      {{"--opponent", "--odds"},                                           2, "--opponent"                   },
      {{"--opponent-faction", "Wolf", "--check-tables"},                   2, "--opponent-faction"           },
      {{"--opponent", "--make-tables", SHIPPED_DESIGNS},                   2, "--opponent"                   },
      {{"--opponent-size", "Horde"},                                       2, "--opponent-size"              },
      {{"--opponent", "--handicap", "9"},                                  2, "--handicap"                   },
      {{"--opponent", "--handicap", "1001"},                               2, "--handicap"                   },
      {{"--opponent", "--handicap", "1.5"},                                2, "--handicap"                   },
      {{"--opponent", "--tolerance", "51"},                                2, "--tolerance"                  },
      {{"--tolerance", "5"},                                               2, "no opposing force"            },
      {{"--opponent", "--balance-by", "skill-points", "--skills", "none"},
       2,                                                                     "needs a skill table"          },
      {{"--opponent", "--balance-by", "grams"},                            2, "--balance-by"                 },
      {{"--opponent-size", "Lance", "--opponent-reroll", "2"},             2, "--opponent-reroll: group 2"   },
      {{"--opponent-size", "Lance", "--handicap", "1000"},                 1, "the totals they can reach are"},
      {{"--opponent", "--reroll", "9"},                                    2, "--reroll: group 9"            },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    const RunResult run = runCli(joined(company, c.more));
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
}

}  // namespace
