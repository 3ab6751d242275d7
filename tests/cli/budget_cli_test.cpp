// SPDX-License-Identifier: MIT
// musterwright-cli with --points and --tons, as a player agreeing a limit runs it: the same force
// for the same seed and band, the unbudgeted force when it fits at once, re-rolls that keep the
// band, the band's odds, and every refusal with its status and nothing on standard output. And
// with an opposing force, as two players agreeing a fair fight run it: the first force byte for
// byte as it is drawn alone, the opposing force within the band of its total, the same pair for
// the same seed, the balance in JSON agreeing with the slots' sums, and the refusals.
#include <gtest/gtest.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"

namespace {

// A later --designs overrides the shipped list. A draw within a band takes some seconds in the
// sanitizer build, so a run is called hung only after two minutes.
RunResult runCli(const std::vector<std::string>& args) {
  std::vector<std::string> all = {"--tables", SHIPPED_TABLES, "--designs", SHIPPED_DESIGNS};
  all.insert(all.end(), args.begin(), args.end());
  RunSetting setting;
  setting.deadline = std::chrono::seconds(120);
  return runProgram(CLI_PROGRAM, all, setting);
}

std::int64_t pointsOf(const RunResult& run) {
  return nlohmann::json::parse(run.out).at("totals").at("points").get<std::int64_t>();
}

TEST(BudgetCli, TheSameForceForASeedTheUnbudgetedOneWhenItFitsAndRerollsKeepTheBand) {
  const std::vector<std::string> company = {"--faction", "davion", "--size", "company"};
  const auto with = [&](std::vector<std::string> more) {
    more.insert(more.begin(), company.begin(), company.end());
    return more;
  };
  int movedOn = 0;
  for (int seed = 1; seed <= 8; ++seed) {
    const std::string s = std::to_string(seed);
    const auto args =
        with({"--seed", s, "--points", "15000-16500", "--reroll", "2,1.3", "--format", "json"});
    const RunResult run = runCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(runCli(args).out, run.out);
    const nlohmann::json force = nlohmann::json::parse(run.out);
    EXPECT_EQ(force.at("budget"),
              nlohmann::json::parse(R"({"points":{"low":15000,"high":16500}})"));
    EXPECT_GE(pointsOf(run), 15000);
    EXPECT_LE(pointsOf(run), 16500);

    // A force that fits at once is the force drawn without a budget, byte for byte.
    const RunResult plain = runCli(with({"--seed", s, "--format", "json"}));
    ASSERT_EQ(plain.status, 0);
    const std::string total = std::to_string(pointsOf(plain));
    const RunResult fits = runCli(with({"--seed", s, "--points", total + "-" + total}));
    ASSERT_EQ(fits.status, 0) << fits.err;
    EXPECT_EQ(fits.out, runCli(with({"--seed", s})).out);
    const RunResult budgeted = runCli(with({"--seed", s, "--points", "15000-16500"}));
    movedOn += budgeted.out != runCli(with({"--seed", s})).out;
  }
  EXPECT_GT(movedOn, 0) << "no seed needed a second try";
}

TEST(BudgetCli, OddsOfABandExactForALanceAndAPercentageForMore) {
  const RunResult lance = runCli({"--odds", "--faction", "steiner", "--size", "lance", "--weight",
                                  "heavy", "--points", "6000", "--tons", "260-300"});
  ASSERT_EQ(lance.status, 0) << lance.err;
  EXPECT_NE(lance.out.find("Budget 5,700\u20136,000 points \u00b7 260\u2013300 tons: chance "),
            std::string::npos);
  EXPECT_NE(lance.out.find("/"), std::string::npos);
  const RunResult company = runCli({"--odds", "--faction", "davion", "--size", "company",
                                    "--points", "15000-16500", "--format", "json"});
  ASSERT_EQ(company.status, 0) << company.err;
  const nlohmann::json budget = nlohmann::json::parse(company.out).at("budget");
  EXPECT_TRUE(budget.at("chance").is_null());
  EXPECT_GT(budget.at("percent").get<double>(), 1.0);
  EXPECT_LT(budget.at("percent").get<double>(), 100.0);
  EXPECT_LE(budget.at("reach").at("points").at("lowest").get<double>(),
            budget.at("reach").at("points").at("mean").get<double>());
}

TEST(BudgetCli, RefusalsSayWhyWithTheirStatusAndPrintNothing) {
  ScratchFolder folder;
  std::string shipped = bytesOf(SHIPPED_DESIGNS);
  shipped.replace(shipped.find("Mailfist,45,901"), 15, "Mailfist,45,");
  const std::string noMailfist = folder.write("nomailfist.csv", shipped).string();
  const std::string fewPoints =
      folder.write("few.csv", "design,tons,points\nMailfist,45,901\n").string();
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string says;
  };
  const std::vector<Case> cases = {
      {{"--points", "6000-5700"},                                          2, "the low end is above the high end"                            },
      {{"--points", "6k"},                                                 2, "\"6k\" is no band"                                            },
      {{"--points", "-5"},                                                 2, "is no band"                                                   },
      {{"--tons", "400.125"},                                              2, "is no band"                                                   },
      {{"--designs", "none", "--points", "6000"},
       2,                                                                     "a budget needs a design list (--designs FILE)"                },
      {{"--odds", "--designs", "none", "--tons", "400"},                   2, "a budget needs a design list"                                 },
      {{"--size", "company", "--points", "100-200"},                       1, "the totals they can reach are "                               },
      {{"--size", "lance", "--weight", "light", "--tons", "900"},
       1,                                                                     "lies within 855\u2013900 tons: the totals they can reach are "},
      {{"--size", "company", "--points", "6000", "--designs", noMailfist},
       1,                                                                     "design list nomailfist lacks them for Mailfist\n"             },
      {{"--size", "company", "--tons", "600", "--designs", fewPoints},     1, " more\n"                                                      },
      {{"--size", "company", "--reroll", "1-999,2,3"},                     2, "the list stands for 1001 re-rolls"                            },
      {{"--size", "company", "--tons", "701-704"},
       1,                                                                     "every total they reach is a multiple of 5 tons; try a band"   },
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--faction", "davion"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    if (c.args.front() != "--odds") args.insert(args.end(), {"--seed", "3"});
    const RunResult run = runCli(args);
    EXPECT_EQ(run.status, c.status) << c.says << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.says;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
  // One run for both phrases: working out the chance of a band in points and tons is slow
  // under the sanitizers.
  const RunResult both = runCli({"--faction", "davion", "--size", "company", "--points", "14000",
                                 "--tons", "700-800", "--seed", "3"});
  EXPECT_EQ(both.status, 1) << both.err;
  EXPECT_EQ(both.out, "");
  for (const char* says : {"the band's chance is ", "; try a wider band"})
    EXPECT_NE(both.err.find(says), std::string::npos) << both.err;
}

// Bands that no force reaches are refused before any try: a Wolf Star band between the totals
// the shipped tables reach names the nearest on either side, and one that holds no multiple of
// the totals' step says so. A Galaxy's band of tiny chance is never "0 %".
TEST(BudgetCli, UnreachedBandsAreRefusedNamingTheNearestTotals) {
  const RunResult star =
      runCli({"--faction", "wolf", "--size", "star", "--points", "2850-3000", "--seed", "1"});
  EXPECT_EQ(star.status, 1);
  EXPECT_EQ(star.out, "");
  EXPECT_NE(
      star.err.find("lies within 2,850\u20133,000 points: the nearest totals they reach are "),
      std::string::npos)
      << star.err;
  const RunResult odds = runCli({"--odds", "--faction", "wolf", "--size", "star", "--points",
                                 "2850-3000", "--format", "json"});
  ASSERT_EQ(odds.status, 0) << odds.err;
  const nlohmann::json budget = nlohmann::json::parse(odds.out).at("budget");
  EXPECT_EQ(budget.at("chance"), "0");
  EXPECT_EQ(budget.at("chance_text"), "0, 0 %");

  // Within a lance's band, exactly: totals inside it, and shares of every slot that add up to 1.
  const RunResult lance = runCli({"--odds", "--faction", "steiner", "--size", "lance", "--weight",
                                  "heavy", "--points", "6000", "--format", "json"});
  ASSERT_EQ(lance.status, 0) << lance.err;
  const nlohmann::json inLance = nlohmann::json::parse(lance.out).at("budget");
  const nlohmann::json& within = inLance.at("within");
  EXPECT_TRUE(within.at("exact").get<bool>());
  EXPECT_EQ(within.at("points"), nlohmann::json({
                                     {"lowest",  within.at("lowest") },
                                     {"highest", within.at("highest")},
                                     {"mean",    within.at("mean")   }
  }));
  EXPECT_GE(within.at("lowest").get<double>(), 5700);
  EXPECT_LE(within.at("highest").get<double>(), 6000);
  EXPECT_LT(within.at("lowest").get<double>(), within.at("mean").get<double>());
  double share = 0, inBand = 0;
  for (const nlohmann::json& design : inLance.at("designs")) {
    share += design.at("share").get<double>();
    inBand += design.at("within").get<double>();
  }
  EXPECT_NEAR(share, 1, 1e-9);
  EXPECT_NEAR(inBand, 1, 1e-9);

  const RunResult galaxy = runCli(
      {"--odds", "--faction", "wolf", "--size", "galaxy", "--vehicles", "--points", "60000"});
  ASSERT_EQ(galaxy.status, 0) << galaxy.err;
  EXPECT_EQ(galaxy.out.find("0 %"), std::string::npos) << galaxy.out;
  EXPECT_NE(galaxy.out.find("chance below 1 in 10^12"), std::string::npos) << galaxy.out;
}

std::vector<std::string> joined(std::vector<std::string> first,
                                const std::vector<std::string>& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

// The arguments of `line`, split at each blank.
std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> args;
  for (std::string word; in >> word;) args.push_back(word);
  return args;
}

TEST(OpponentCli, TheFirstForceStaysAsItIsDrawnAlone) {
  for (const char* line :
       {"--faction Davion --size Company --seed 7",
        "--faction Kurita --size Battalion --seed 3 --reroll 2-3,1.2",
        "--faction Davion --size Company --seed 5 --points 15000-16500 --reroll 2",
        "--faction Wolf --seed 12 --vehicles"}) {
    SCOPED_TRACE(line);
    const std::vector<std::string> run = words(line);
    const RunResult alone = runCli(joined(run, {"--totals"}));
    ASSERT_EQ(alone.status, 0) << alone.err;
    const RunResult paired = runCli(joined(run, {"--opponent-faction", "Wolf", "--totals"}));
    ASSERT_EQ(paired.status, 0) << paired.err;
    EXPECT_EQ(paired.out.substr(0, alone.out.size() + 16), alone.out + "\nOpposing force\n");
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
  const std::vector<std::string> base =
      words("--faction Davion --size Company --format json --opponent-faction Wolf");
  const struct {
    const char* more;
    const char* measure;
    const char* total;
  } cases[] = {
      {"--seed 7",                                                                      "skill_points", "skill_points"},
      {"--seed 8 --balance-by points --opponent-size Binary --opponent-reroll 1-2,1.3", "points",
       "points"                                                                                                       },
      {"--seed 9 --balance-by tons --tolerance 10",                                     "tons",         "tons"        },
      {"--seed 10 --handicap 150 --reroll 3",                                           "skill_points", "skill_points"},
      {"--seed 11 --skills none",                                                       "points",       "points"      },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.more);
    const RunResult run = runCli(joined(base, words(c.more)));
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json data = nlohmann::json::parse(run.out);
    const nlohmann::json& balance = data.at("balance");
    EXPECT_EQ(balance.at("measure"), c.measure);
    EXPECT_EQ(balance.at("side_a"), data.at("totals").at(c.total));
    EXPECT_EQ(balance.at("side_b"), data.at("opponent").at("totals").at(c.total));
    EXPECT_LE(balance.at("low").get<double>(), balance.at("side_b").get<double>());
    EXPECT_GE(balance.at("high").get<double>(), balance.at("side_b").get<double>());
    EXPECT_EQ(data.at("opponent").at("budget").at(c.total).at("low"), balance.at("low"));
    const double percent =
        balance.at("side_b").get<double>() * 100 / balance.at("side_a").get<double>();
    EXPECT_NEAR(balance.at("percent").get<double>(), percent, 0.05);
  }
}

// The same shelf named for both sides: each side draws from its own copies, the opposing force
// each design at most once, and the shelf is a file in use that --out never writes over.
TEST(OpponentCli, EachSideDrawsFromItsOwnCopiesOfOneShelf) {
  std::string shelf;
  std::set<std::string> owned;
  std::istringstream in(bytesOf(SHIPPED_TABLES));
  std::string line;
  // Two copies of each design of the Kurita Light and Medium tables.
  for (int k = 0; std::getline(in, line) && k <= 25; ++k)
    if (k >= 3 && k != 14 && owned.insert(line).second) shelf += "2 " + line + "\r\n";
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
  const std::vector<std::string> company = words("--faction Davion --size Company --seed 7");
  const struct {
    const char* more;
    int status;
    const char* says;
  } cases[] = {
      {"--opponent --designs none",                          2, "needs a design list"          },
      {"--opponent --odds",                                  2, "--opponent"                   },
      {"--opponent-faction Wolf --check-tables",             2, "--opponent-faction"           },
      {"--opponent --make-tables " SHIPPED_DESIGNS,          2, "--opponent"                   },
      {"--opponent-size Horde",                              2, "--opponent-size"              },
      {"--opponent --handicap 9",                            2, "--handicap"                   },
      {"--opponent --handicap 1001",                         2, "--handicap"                   },
      {"--opponent --handicap 1.5",                          2, "--handicap"                   },
      {"--opponent --tolerance 51",                          2, "--tolerance"                  },
      {"--tolerance 5",                                      2, "no opposing force"            },
      {"--opponent --balance-by skill-points --skills none", 2, "needs a skill table"          },
      {"--opponent --balance-by grams",                      2, "--balance-by"                 },
      {"--opponent-size Lance --opponent-reroll 2",          2, "--opponent-reroll: group 2"   },
      {"--opponent-size Lance --handicap 1000",              1, "the totals they can reach are"},
      {"--opponent --reroll 9",                              2, "--reroll: group 9"            },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.more);
    const RunResult run = runCli(joined(company, words(c.more)));
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
}

}  // namespace
