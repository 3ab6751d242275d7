// SPDX-License-Identifier: MIT
// musterwright-cli with skill tables: the totals line with points with crew skill agrees with
// the JSON's slots, --skills none gives the line without them, a refused table is a notice when
// found and a refusal when named, and a budget in points with crew skill is drawn as one in
// points is, its refusals naming what lacks a value.
#include <gtest/gtest.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"

namespace {

RunResult runCli(std::vector<std::string> args) {
  args.insert(args.begin(), {"--tables", SHIPPED_TABLES});
  RunSetting setting;
  setting.deadline = std::chrono::seconds(120);
  return runProgram(CLI_PROGRAM, args, setting);
}

const std::vector<std::string> kDavion = {"--faction", "davion", "--size",
                                          "company",   "--seed", "7"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(SkillsCli, TheTotalsLineCountsCrewSkillAsTheJsonSlotsAddUp) {
  const RunResult text = runCli(with(kDavion, {"--totals"}));
  const RunResult json = runCli(with(kDavion, {"--format", "json"}));
  const RunResult none = runCli(with(kDavion, {"--totals", "--skills", "none"}));
  ASSERT_EQ(text.status + json.status + none.status, 0) << text.err << json.err;
  const nlohmann::json force = nlohmann::json::parse(json.out);
  std::int64_t points = 0, skill = 0;
  for (const nlohmann::json& group : force["groups"])
    for (const nlohmann::json& slot : group["slots"]) {
      points += slot["points"].get<std::int64_t>();
      skill += slot["skill_points"].get<std::int64_t>();
    }
  EXPECT_EQ(points, 14290);
  EXPECT_EQ(skill, 14671);
  EXPECT_EQ(force["totals"]["skill_points"], skill);
  EXPECT_EQ(force["totals"]["without_skill_points"], 0);
  EXPECT_EQ(force["skills"]["name"], "Skills");
  EXPECT_TRUE(text.out.ends_with("\nTotal: 665 tons, 14,290 points (14,671 with crew skill)\n"));
  EXPECT_TRUE(none.out.ends_with("\nTotal: 665 tons, 14,290 points\n"));
  const RunResult csv = runCli(with(kDavion, {"--format", "csv"}));
  const RunResult csvNone = runCli(with(kDavion, {"--format", "csv", "--skills", "none"}));
  EXPECT_TRUE(
      csv.out.starts_with("group,slot,design,weight_class,kind,piloting,gunnery,tons,"
                          "points,skill_points\r\n"));
  EXPECT_TRUE(csvNone.out.starts_with(
      "group,slot,design,weight_class,kind,piloting,gunnery,tons,points\r\n"));
  EXPECT_EQ(nlohmann::json::parse(runCli(with(kDavion, {"--format", "json", "--skills", "none"}))
                                      .out)["totals"]["skill_points"],
            nullptr);
}

TEST(SkillsCli, ARefusedTableFoundIsANoticeNamedIsARefusalAndNeverWrittenOver) {
  const ScratchFolder folder;
  const std::string tables = folder.write("Tables.dat", bytesOf(SHIPPED_TABLES)).string();
  const std::string found = folder.write("Skills.csv", "piloting,gunnery\n5,4\n").string();
  const std::vector<std::string> lance = {"--faction", "kurita",   "--size", "lance",   "--seed",
                                          "5",         "--tables", tables,   "--totals"};
  const RunResult noticed = runProgram(CLI_PROGRAM, lance, RunSetting{});
  EXPECT_EQ(noticed.status, 0);
  EXPECT_NE(noticed.err.find("notice: " + found + " is not used:\n" + found +
                             ", line 1: the header lacks the column \"percent\""),
            std::string::npos)
      << noticed.err;
  EXPECT_EQ(noticed.out.find("with crew skill"), std::string::npos) << noticed.out;
  const RunResult named = runProgram(CLI_PROGRAM, with(lance, {"--skills", found}), RunSetting{});
  EXPECT_EQ(named.status, 1);
  EXPECT_EQ(named.out, "");
  EXPECT_NE(named.err.find("the skill table " + found + " was refused; nothing drawn"),
            std::string::npos);
  const std::string odd =
      folder.write("odd.csv", "piloting,gunnery,percent\n5,4,100\n0,9,300\n").string();
  const RunResult warned = runProgram(CLI_PROGRAM, with(lance, {"--skills", odd}), RunSetting{});
  EXPECT_EQ(warned.status, 0);
  EXPECT_EQ(warned.err,
            "musterwright-cli: warning: " + odd +
                ", line 3: piloting 0, gunnery 9 is a crew no rule table rolls; kept\n");
  const RunResult over =
      runProgram(CLI_PROGRAM, with(lance, {"--skills", odd, "--out", odd}), RunSetting{});
  EXPECT_EQ(over.status, 1);
  EXPECT_NE(over.err.find("it is the skill table in use"), std::string::npos) << over.err;
  EXPECT_EQ(bytesOf(odd), "piloting,gunnery,percent\n5,4,100\n0,9,300\n");
}

std::int64_t skillPointsOf(const RunResult& run) {
  return nlohmann::json::parse(run.out).at("totals").at("skill_points").get<std::int64_t>();
}

TEST(SkillsCli, ABudgetWithCrewSkillIsReproducibleKeptByRerollsAndTheFirstFitIsThePlainForce) {
  const std::vector<std::string> company = {"--faction", "davion", "--size", "company"};
  int movedOn = 0;
  for (int seed = 1; seed <= 4; ++seed) {
    const std::string s = std::to_string(seed);
    const auto args = with(company, {"--seed", s, "--skill-points", "15500-17000", "--points",
                                     "0-30000", "--reroll", "2,1.3", "--format", "json"});
    const RunResult run = runCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(runCli(args).out, run.out);
    EXPECT_EQ(nlohmann::json::parse(run.out).at("budget").at("skill_points"),
              nlohmann::json::parse(R"({"low":15500,"high":17000})"));
    EXPECT_GE(skillPointsOf(run), 15500);
    EXPECT_LE(skillPointsOf(run), 17000);

    const RunResult plain = runCli(with(company, {"--seed", s, "--format", "json"}));
    const std::string total = std::to_string(skillPointsOf(plain));
    const RunResult fits = runCli(with(company, {"--seed", s, "--skill-points", total}));
    ASSERT_EQ(fits.status, 0) << fits.err;
    EXPECT_EQ(fits.out, runCli(with(company, {"--seed", s})).out);
    movedOn += runCli(with(company, {"--seed", s, "--skill-points", "15500-17000"})).out !=
               runCli(with(company, {"--seed", s})).out;
  }
  EXPECT_GT(movedOn, 0) << "no seed needed a second try";
  const RunResult lance = runCli({"--odds", "--faction", "steiner", "--size", "lance", "--weight",
                                  "heavy", "--skill-points", "6000"});
  ASSERT_EQ(lance.status, 0) << lance.err;
  EXPECT_NE(lance.out.find("Budget 5,700\u20136,000 points with crew skill: chance "),
            std::string::npos)
      << lance.out;
}

TEST(SkillsCli, BudgetRefusalsNameWhatLacksAValue) {
  const ScratchFolder folder;
  const std::string few = folder.write("few.csv", "piloting,gunnery,percent\n5,4,100\n").string();
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string says;
  };
  const std::vector<Case> cases = {
      {{"--skills", "none", "--skill-points", "6000"},                         2, "--skill-points needs a skill table"                                         },
      {{"--skills", few, "--experience", "regular", "--skill-points", "6000"},
       1,                                                                         "skill table few lacks one for piloting 4 gunnery 3 and piloting 6 gunnery 4"},
      {{"--size", "lance", "--skill-points", "100"},
       1,                                                                         "points with crew skill: the totals they can reach are "                     },
      {{"--skill-points", "6k"},                                               2, "\"6k\" is no band"                                                          },
  };
  for (const Case& c : cases) {
    const RunResult run = runCli(with({"--faction", "davion", "--seed", "3"}, c.args));
    EXPECT_EQ(run.status, c.status) << c.says << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.says;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
}

}  // namespace
