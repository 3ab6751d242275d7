// SPDX-License-Identifier: MIT
// Runs the built musterwright-cli as a user would and looks at exactly what it prints on
// each stream and the status it ends with.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"

namespace {

namespace fs = std::filesystem;

// Runs the program with `args` in the folder `cwd` (the test's own when empty), its standard
// output going to `outFile` instead of coming back, when one is named.
RunResult runCli(const std::vector<std::string>& args, const fs::path& cwd = {},
                 const std::string& outFile = {}) {
  RunSetting setting;
  setting.folder = cwd;
  setting.output = outFile;
  return runProgram(CLI_PROGRAM, args, setting);
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::vector<std::string> kCompany = {"--faction", "kurita",      "--size",       "company",
                                           "--weight",  "heavy",       "--experience", "regular",
                                           "--tables",  SHIPPED_TABLES};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(Cli, ListsTheForceOfASeedOnStandardOutputOnly) {
  const RunResult run = runCli(with(kCompany, {"--seed", "7"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(run.out.back(), '\n');
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
  const std::vector<std::string> lines = linesOf(run.out);
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
            (std::vector<std::string>{"Kurita", "Company", "Heavy", "Regular", " "}));
  const std::regex slot(".+ P: [1-7] G: [1-7]");
  for (std::size_t i = 5; i < lines.size(); ++i) {
    if (i == 9 || i == 14) {
      EXPECT_EQ(lines[i], " ");
    } else {
      EXPECT_TRUE(std::regex_match(lines[i], slot)) << lines[i];
    }
  }
}

TEST(Cli, TheSeedDecidesTheForce) {
  const std::vector<std::string> batallion = {"--size", "Batallion", "--tables", SHIPPED_TABLES};
  const RunResult first = runCli(with(batallion, {"--seed", "4294967295"}));
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(runCli(with(batallion, {"--seed", "4294967295"})).out, first.out);
  EXPECT_NE(runCli(with(batallion, {"--seed", "1"})).out, first.out);

  const RunResult drawn = runCli(batallion);
  std::smatch seed;
  ASSERT_TRUE(std::regex_match(drawn.err, seed, std::regex("seed: ([0-9]+)\n"))) << drawn.err;
  EXPECT_EQ(runCli(with(batallion, {"--seed", seed[1]})).out, drawn.out);
}

TEST(Cli, WordsMatchInAnyCaseAndAreListedInTheListsSpelling) {
  const RunResult lower = runCli(with(kCompany, {"--seed", "3"}));
  const RunResult mixed =
      runCli({"--faction", "KURITA", "--size", "CoMpAnY", "--weight=hEAVY", "--experience",
              "Regular", "--tables", SHIPPED_TABLES, "--seed=3"});
  EXPECT_EQ(mixed.status, 0);
  EXPECT_EQ(mixed.out, lower.out);
  const RunResult clan = runCli({"--faction", "jade falcon", "--size", "star", "--seed", "1",
                                 "--vehicles", "--tables", SHIPPED_TABLES});
  EXPECT_EQ(linesOf(clan.out).size(), 10u);
  EXPECT_EQ(clan.out.substr(0, 17), "Jade Falcon\nStar\n");
}

TEST(Cli, SizeTakesTheUsualSpellingsAndListsTheListsOwn) {
  for (const auto& [list, usual] : {
           std::pair{"Batallion", "battalion"},
           {"Regement",  "REGIMENT" }
  }) {
    const RunResult run = runCli({"--size", usual, "--seed", "9", "--tables", SHIPPED_TABLES});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(linesOf(run.out)[1], list);
    EXPECT_EQ(run.out, runCli({"--size", list, "--seed", "9", "--tables", SHIPPED_TABLES}).out);
  }
}

// The rows of a CSV text whose fields need no quotes (the quoting has its own test): fields
// split at commas, rows at CR LF.
std::vector<std::vector<std::string>> csvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : linesOf(std::regex_replace(text, std::regex("\r\n"), "\n"))) {
    std::vector<std::string>& fields = rows.emplace_back(1);
    for (const char c : line) c == ',' ? fields.emplace_back() : fields.back() += c;
  }
  return rows;
}

// A JSON number as the CSV writes it; "" for null.
std::string numberField(const nlohmann::json& number) {
  return number.is_null() ? "" : number.dump();
}

TEST(Cli, JsonAndCsvHoldTheListedForceWithWeightClassAndKind) {
  // The test tables name faction entries "<faction> <weight> <k>" and vehicles "Veh <weight> <k>",
  // so every slot's weight class and kind can be read off its design here.
  const ScratchFolder folder;
  const fs::path tables = folder.write("Tables.dat", soundTables());
  struct Case {
    std::string faction, size;
    std::uint32_t seed;
    bool vehicles;
  };
  const Case cases[] = {
      {"Kurita", "Company", 1,  true },
      {"wolf",   "Galaxy",  2,  true },
      {"Random", "Random",  3,  false},
      {"Random", "Lance",   4,  true },
      {"Davion", "Lance",   61, true },
      {"Wolf",   "Star",    61, false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"--faction", c.faction,      "--size",
                                  c.size,      "--seed",       std::to_string(c.seed),
                                  "--tables",  tables.string()};
    if (c.vehicles) args.push_back("--vehicles");
    const std::string what = c.faction + " " + c.size + " " + std::to_string(c.seed);
    const RunResult text = runCli(args);
    const RunResult json = runCli(with(args, {"--format", "json"}));
    const RunResult csv = runCli(with(args, {"--format=CSV"}));
    ASSERT_EQ(json.status + csv.status, 0) << what << json.err << csv.err;
    const std::vector<std::string> lines = linesOf(text.out);
    const nlohmann::json force = nlohmann::json::parse(json.out);
    const std::vector<std::vector<std::string>> rows = csvRows(csv.out);

    EXPECT_EQ(force["seed"], c.seed);
    EXPECT_EQ(force["vehicles"], c.vehicles);
    const std::vector<std::string> header{force["faction"], force["size"], force["weight"],
                                          force["experience"]};
    EXPECT_EQ(header, std::vector<std::string>(lines.begin(), lines.begin() + 4)) << what;
    EXPECT_EQ(force["clan"], force["groups"][0]["slots"].size() == 5);
    for (const nlohmann::json& group : force["groups"])
      EXPECT_NE(std::string("Light Medium Heavy Assault Elemental Battle Armor")
                    .find(group["weight_class"].get<std::string>()),
                std::string::npos)
          << what;
    if (force["groups"].size() == 1) {
      EXPECT_EQ(force["groups"][0]["weight_class"], header[2]) << what;
    }
    ASSERT_EQ(rows.front(),
              (std::vector<std::string>{"group", "slot", "design", "weight_class", "kind",
                                        "piloting", "gunnery", "tons", "points"}));

    std::vector<std::string> listed(lines.begin(), lines.begin() + 4);
    std::size_t row = 1;
    int groupNumber = 0;
    for (const nlohmann::json& group : force["groups"]) {
      listed.push_back(" ");
      ++groupNumber;
      int slotNumber = 0;
      for (const nlohmann::json& slot : group["slots"]) {
        const std::string design = slot["design"];
        const int piloting = slot["piloting"];
        const int gunnery = slot["gunnery"];
        listed.push_back(design + " P: " + std::to_string(piloting) +
                         " G: " + std::to_string(gunnery));
        const std::string kind = slot["kind"];
        const std::string weightClass = slot["weight_class"];
        if (design == "Elemental" || design == "Battle Suit") {
          EXPECT_EQ(kind, "battle armour") << what;
          EXPECT_EQ(weightClass, header[2]) << what;
        } else {
          EXPECT_EQ(kind, design.starts_with("Veh ") ? "vehicle" : "mech") << what << design;
          EXPECT_EQ(design.substr(4, weightClass.size() + 1), weightClass + " ") << what;
        }
        ASSERT_LT(row, rows.size()) << what;
        EXPECT_EQ(rows[row++],
                  (std::vector<std::string>{
                      std::to_string(groupNumber), std::to_string(++slotNumber), design,
                      weightClass, kind, std::to_string(piloting), std::to_string(gunnery),
                      numberField(slot["tons"]), numberField(slot["points"])}))
            << what;
      }
    }
    EXPECT_EQ(listed, lines) << what;
    EXPECT_EQ(row, rows.size()) << what;
  }
}

TEST(Cli, OutSavesTheChosenFormatTheListingWithCrLf) {
  const ScratchFolder folder;
  const fs::path file = folder.path() / "force.txt";
  for (const char* format : {"text", "csv", "json"}) {
    const RunResult run =
        runCli(with(kCompany, {"--seed", "11", "--out", file.string(), "--format", format}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(bytesOf(file), format == std::string("text") ? withCrLf(run.out) : run.out);
  }
  const RunResult odds = runCli({"--odds", "--faction", "kurita", "--size", "lance", "--tables",
                                 SHIPPED_TABLES, "--out", file.string()});
  ASSERT_EQ(odds.status, 0) << odds.err;
  EXPECT_EQ(bytesOf(file), odds.out);
}

TEST(Cli, OutNeverReplacesTheTableFileInUse) {
  // Every name of the table file is refused alike (tested in the roster layer); here, each mode.
  const ScratchFolder folder;
  const fs::path tables = folder.write("Tables.dat", soundTables());
  fs::create_symlink("Tables.dat", folder.path() / "link.dat");
  for (const std::vector<std::string>& args : {
           std::vector<std::string>{"--seed",      "1",        "--out",    "./Tables.dat"},
           {"--tables",    "link.dat", "--format", "json",         "--out", "Tables.dat"},
           {"--fit-tables", "Tables.dat",           "--out",        "link.dat"         }
  }) {
    const RunResult run = runCli(args, folder.path());
    EXPECT_EQ(run.status, 1) << args.back();
    EXPECT_EQ(run.out, "") << args.back();
    EXPECT_NE(run.err.find("it is the table file in use"), std::string::npos) << run.err;
  }
  EXPECT_EQ(bytesOf(tables), soundTables());
}

TEST(Cli, OddsComeInEachFormat) {
  const std::vector<std::string> lance = {"--odds", "--faction", "kurita",
                                          "--size", "lance",     "--weight",
                                          "light",  "--tables",  SHIPPED_TABLES};
  const RunResult text = runCli(lance);
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(linesOf(text.out).at(0),
            "Odds for faction Kurita, size Lance, weight Light, experience Random, no vehicles.");
  const RunResult csv = runCli(with(lance, {"--format", "csv"}));
  EXPECT_EQ(csvRows(csv.out).at(1).at(5), "1/36") << "entry 1 of Kurita's first table";
  const RunResult json = runCli(with(lance, {"--format", "json", "--vehicles"}));
  EXPECT_EQ(nlohmann::json::parse(json.out)["vehicles"], true);
}

TEST(Cli, ExitStatusTellsUsageFromFailure) {
  const ScratchFolder folder;
  const fs::path kept = folder.write("kept.txt", "old\r\n");
  const fs::path noWolf = folder.write(
      "NoWolf.dat", std::regex_replace(soundTables(), std::regex("\nWolf\n"), "\nWolx\n"));
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;  // a part of the standard error text
  };
  const Case cases[] = {
      {{"--bogus"},                                                                  2, "not expected: --bogus"                                     },
      {{"stray"},                                                                    2, "not expected: stray"                                       },
      {{"--faction", "Atlantis"},                                                    2, "Kurita, Liao, Marik, Davion, Steiner, ComStar, Jade"       },
      {{"--size", ""},                                                               2, "Lance, Company, Batallion, Regement, Star, Binary, Trinary"},
      {{"--seed", "4294967296"},                                                     2, "from 0 to 4294967295"                                      },
      {{"--seed", "-1"},                                                             2, "\"-1\" is not one"                                         },
      {{"--seed", "7x"},                                                             2, "\"7x\" is not one"                                         },
      {{"--seed"},                                                                   2, "--seed: 1 required N missing"                              },
      {{"--experience", "--seed", "1"},                                              2, "\"--seed\" is none of Green, Regular"                      },
      {{"--vehicles=yes"},                                                           2, "vehicles was given a disallowed flag override"             },
      {{"--check-tables", SHIPPED_TABLES, "--seed", "1"},                            2, "--seed excludes --check-tables"                            },
      {{"--fit-tables", SHIPPED_TABLES, "--faction", "wolf"},                        2, "--faction excludes --fit-tables"                           },
      {{"--seed", "1", "--out", "-"},                                                2, "standard output already carries the force"                 },
      {{"--format", "xml"},                                                          2, "\"xml\" is none of text, csv, json"                        },
      {{"--seed", "1", "--tables", (folder.path() / "absent.dat").string()},
       1,                                                                               "No such file or directory"                                 },
      {{"--seed", "1", "--faction", "wolf", "--tables", noWolf.string()},            1, "Wolf"                                                      },
      {{"--seed", "1", "--tables", SHIPPED_TABLES, "--out", folder.path().string()},
       1,                                                                               "Is a directory"                                            },
      {{"--seed", "1", "--tables", SHIPPED_TABLES, "--out", "/dev/full"},
       1,                                                                               "No space left on device"                                   },
      {{"--check-tables", noWolf.string()},                                          1, noWolf.string() + ", line "                                 },
      {{"--odds", "--seed", "1"},                                                    2, "--seed excludes --odds"                                    },
      {{"--odds", "--faction", "wolf", "--tables", noWolf.string()},                 1, "Wolf"                                                      },
  };
  for (const Case& c : cases) {
    std::string command;
    for (const std::string& arg : c.args) command += " " + arg;
    const RunResult run = runCli(c.args);
    EXPECT_EQ(run.status, c.status) << command << "\n" << run.err;
    EXPECT_EQ(run.out, "") << command;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << command << "\n" << run.err;
  }
  EXPECT_EQ(bytesOf(kept), "old\r\n");

  const RunResult full = runCli(with(kCompany, {"--seed", "1"}), {}, "/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("cannot write to standard output"), std::string::npos) << full.err;
}

// A recorded list draws the same force again; it changes only the lines of what it names, and
// JSON carries it. A list naming what the force lacks is a bad command line.
TEST(Cli, RerollListDrawsTheSameForceAgainAndJsonRecordsIt) {
  const std::vector<std::string> seeded = with(kCompany, {"--seed", "5"});
  const std::vector<std::string> plain = linesOf(runCli(seeded).out);
  const RunResult rerolled = runCli(with(seeded, {"--reroll", "2,3.1,2"}));
  ASSERT_EQ(rerolled.status, 0) << rerolled.err;
  EXPECT_EQ(runCli(with(seeded, {"--reroll", " 2, 3.1 ,2"})).out, rerolled.out);
  const std::vector<std::string> lines = linesOf(rerolled.out);
  ASSERT_EQ(lines.size(), plain.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool named = (i >= 10 && i <= 13) || i == 15;  // group 2's slots, slot 3.1
    if (!named) {
      EXPECT_EQ(lines[i], plain[i]) << "line " << i;
    }
  }
  EXPECT_NE(lines, plain);
  const auto rerollsOf = [&](const std::vector<std::string>& more) {
    return nlohmann::json::parse(runCli(with(seeded, with({"--format", "json"}, more))).out)
        .at("rerolls");
  };
  EXPECT_EQ(rerollsOf({"--reroll", "2,3.1,2"}), nlohmann::json({"2", "3.1", "2"}));
  EXPECT_EQ(rerollsOf({"--reroll", "1-3,2"}), nlohmann::json({"1", "2", "3", "2"}));
  EXPECT_EQ(runCli(with(seeded, {"--reroll", "2-3,1"})).out,
            runCli(with(seeded, {"--reroll", "2,3,1"})).out);
  EXPECT_EQ(runCli(with(seeded, {"--seed", " 5\t\n"})).out, runCli(seeded).out);
  EXPECT_EQ(rerollsOf({}), nlohmann::json::array());

  const std::pair<const char*, const char*> refused[] = {
      {"2,9",  "musterwright-cli: --reroll: group 9: the force has groups 1 to 3\n"   },
      {"3.5",  "musterwright-cli: --reroll: slot 3.5: a lance has slots 1 to 4\n"     },
      {"2,,3", "\"\" is no re-roll: a group number or group.slot"                     },
      {"2-4",  "musterwright-cli: --reroll: groups 2-4: the force has groups 1 to 3\n"},
      {"3-2",  "range 3-2: a range runs upward, as in 2-3"                            },
  };
  for (const auto& [list, message] : refused) {
    const RunResult run = runCli(with(seeded, {"--reroll", list}));
    EXPECT_EQ(run.status, 2) << list;
    EXPECT_EQ(run.out, "") << list;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
}

TEST(Cli, HelpVersionAndCheckTablesPrintOnStandardOutput) {
  const RunResult help = runCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Jade Falcon, Wolf, Ghost Bear, Smoke Jaguar, Random"),
            std::string::npos);
  EXPECT_NE(help.out.find("Batallion, Regement"), std::string::npos);
  EXPECT_EQ(runCli({"--version"}).out, "musterwright-cli " PROJECT_VERSION "\n");
  EXPECT_EQ(runCli({"-h"}).out, help.out);

  const RunResult shipped = runCli({"--check-tables", SHIPPED_TABLES});
  EXPECT_EQ(shipped.status, 0);
  EXPECT_EQ(shipped.out, "ok\n");
  EXPECT_EQ(shipped.err, "");
}

TEST(Cli, TheTableFileInTheCurrentFolderComesFirst) {
  const ScratchFolder folder;
  folder.write("Tables.dat", soundTables());
  const RunResult run =
      runCli({"--faction", "Liao", "--size", "Lance", "--seed", "5"}, folder.path());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(linesOf(run.out)[5].substr(0, 4), "Lia ");
  EXPECT_EQ(runCli({"--check-tables"}, folder.path()).out, "ok\n");

  folder.write("Tables.dat", "Kurita\n");
  EXPECT_EQ(runCli({"--check-tables"}, folder.path()).status, 1);
}

// A table file that fails its check is drawn from as it stands, force and odds alike: here the
// Kurita heading is misspelt, which a Wolf force never reads, so both are the sound file's, and
// the checker's findings go to standard error with the way to lay the file out.
TEST(Cli, AQuirkyTableFileDrawsTheSameForceWithAWarning) {
  const ScratchFolder folder;
  std::string quirky = bytesOf(SHIPPED_TABLES);
  quirky.replace(quirky.find("\nKurita\n"), 8, "\nKurota\n");
  const fs::path path = folder.write("Quirky.dat", quirky);
  for (const std::vector<std::string>& args : {
           std::vector<std::string>{"--faction", "Wolf", "--size", "Binary", "--vehicles", "--seed",
                                    "9", "--reroll", "2,1.3"},
           std::vector<std::string>{"--odds",         "--faction",     "Wolf",      "--format",              "csv"                  }
  }) {
    SCOPED_TRACE(args.front());
    const RunResult sound = runCli(with(args, {"--tables", SHIPPED_TABLES}));
    const RunResult drawn = runCli(with(args, {"--tables", path.string()}));
    EXPECT_EQ(drawn.status, 0) << drawn.err;
    EXPECT_EQ(drawn.out, sound.out);
    EXPECT_EQ(sound.err, "");
    const std::vector<std::string> warning = linesOf(drawn.err);
    ASSERT_EQ(warning.size(), 2u) << drawn.err;
    EXPECT_EQ(
        warning[0].rfind("musterwright-cli: warning: " + path.string() + " fails its check", 0),
        0u);
    EXPECT_NE(warning[0].find("--fit-tables " + path.string()), std::string::npos);
    EXPECT_EQ(warning[1].rfind(path.string() + ", line ", 0), 0u);
  }
}

}  // namespace
