// SPDX-License-Identifier: MIT
// musterwright-cli --make-tables as a table author runs it: a Davion list laid out over the
// shipped tables passes the check and gives the odds its report promised; refused lists and a
// JSON report without --out write nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"

namespace {

RunResult runCli(const std::vector<std::string>& args) {
  return runProgram(CLI_PROGRAM, args, RunSetting{});
}

const char* const kDavionList =
    "Design,Tons,Weight_Class,Kind,Factions,Rarity,Notes\r\n"
    "Pike Runner,25,Light,mech,Davion,common,\r\n"
    "Lancer Wisp,30,light,,davion,uncommon,\r\n"
    "Vigil Scout,20,Light,,Davion,rare,\r\n"
    "Sunward Hound,35,LIGHT,,Davion,very rare,\r\n"
    "Brass Warden,50,Medium,,Davion,common,\r\n"
    "Ember Marshal,55,Medium,,Davion,common,\r\n"
    "Crest Lancer,45,Medium,,Davion,rare,\r\n"
    "Gilded Fox,40,Medium,,Davion,2.5,\r\n"
    "Rampart,70,Heavy,,Davion,common,\r\n"
    "Solar Knight,65,Heavy,,Davion,uncommon,\r\n"
    "Baron Steel,75,Heavy,,Davion,rare,\r\n"
    "Crown Bastion,100,Assault,,Davion,common,\r\n"
    "Lionheart,85,Assault,,Davion,uncommon,\r\n"
    "\"Sovereign, Last\",95,Assault,,Davion; ,very rare,\r\n"
    "Ridge Carrier,30,Light,vehicle,,common,\r\n"
    "Hillfort Tank,60,Heavy,Vehicle,Wolf,uncommon,\r\n"
    "Marsh Hauler,60,Heavy,vehicle,,,\r\n"
    "Mire Strider,,,,,,numbers only\r\n";

TEST(MakeTablesCli, ADavionListPassesTheCheckAndGivesTheOddsItsReportPromises) {
  ScratchFolder folder;
  const std::string list = folder.write("mine.csv", kDavionList).string();
  const std::string made = (folder.path() / "Made.dat").string();
  const RunResult run = runCli(
      {"--make-tables", list, "--tables", SHIPPED_TABLES, "--out", made, "--format", "json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(runCli({"--check-tables", made}).out, "ok\n");
  // The list numbers no battle armour, which is said once.
  const std::string armour = "lacks tons or points for \"Battle Suit\" and \"Elemental\"";
  EXPECT_NE(run.err.find(armour), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find(armour), run.err.rfind(armour));

  std::map<std::string, std::string> promised;  // "<section> <weight> <design>": the chance
  const nlohmann::json report = nlohmann::json::parse(run.out);
  for (const auto& table : report.at("tables"))
    for (const auto& design : table.at("designs"))
      promised[table.at("section").get<std::string>() + " " +
               table.at("weight_class").get<std::string>() + " " +
               design.at("design").get<std::string>()] = design.at("given");
  EXPECT_EQ(promised.size(), 17u);
  std::map<std::string, std::string> drawn;
  const RunResult odds =
      runCli({"--odds", "--faction", "davion", "--vehicles", "--tables", made, "--format", "json"});
  ASSERT_EQ(odds.status, 0) << odds.err;
  const nlohmann::json figures = nlohmann::json::parse(odds.out);
  for (const auto& part : figures.at("parts")) {
    if (part.at("part") != "tables") continue;
    for (const auto& row : part.at("rows")) {
      const std::string key = row.at("source").get<std::string>() + " " +
                              row.at("weight_class").get<std::string>() + " " +
                              row.at("item").get<std::string>();
      if (promised.count(key)) drawn[key] = row.at("chance");
    }
  }
  EXPECT_EQ(drawn, promised);
}

TEST(MakeTablesCli, RefusedListsAndAJsonReportWithoutOutWriteNothing) {
  struct Case {
    std::string row;
    int status;
    std::string message;
    std::string alsoNamed = "";  // a second problem of the row, named at once
  };
  const Case cases[] = {
      {"Davion,Light,mech,Davion,common", 1,        "line 3: the name \"Davion\" is a faction heading"},
      {"Heavy,Huge,mech,Davion,common",   1,        "line 3: the weight class \"Huge\" is none of",
       "line 3: the name \"Heavy\" is a weight heading"},
      {"Huge One,Huge,mech,Davion,common",                                 1,        "line 3: the weight class \"Huge\" is none of"                        },
      {"Stray,Light,mech,Davion;Atlantis,common",                                 1, "line 3: the faction \"Atlantis\""},
      {"Stray,Light,walker,all,common",                                 1,           "line 3: the kind \"walker\""                                  },
      {"Stray,Light,mech,all,0",                                 1,                  "line 3: the rarity \"0\""},
      {"Stray,Light,mech,all,common",                                 2,             "--format json"                             },
  };
  ScratchFolder folder;
  for (const Case& c : cases) {
    const std::string list =
        folder
            .write("list.csv", "design,weight_class,kind,factions,rarity\nPike,Light,,all,rare\n" +
                                   c.row + "\n")
            .string();
    const std::filesystem::path out = folder.path() / "Made.dat";
    std::vector<std::string> args = {"--make-tables", list, "--tables", SHIPPED_TABLES};
    if (c.status == 1) args.insert(args.end(), {"--out", out.string()});
    if (c.status == 2) args.insert(args.end(), {"--format", "json"});
    const RunResult run = runCli(args);
    EXPECT_EQ(run.status, c.status) << c.row;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.alsoNamed), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(out)) << c.row;
  }
}

}  // namespace
