// Runs the built musterwright-cli as a user would and looks at exactly what it prints on
// each stream and the status it ends with.
#include <gtest/gtest.h>

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

TEST(Cli, OutSavesTheSameLinesWithCrLf) {
  const ScratchFolder folder;
  const fs::path file = folder.path() / "force.txt";
  const RunResult run = runCli(with(kCompany, {"--seed", "11", "--out", file.string()}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(bytesOf(file), withCrLf(run.out));
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
      {{"--bogus"},                                                                  2, "unknown option \"--bogus\""                                },
      {{"stray"},                                                                    2, "unexpected argument \"stray\""                             },
      {{"--faction", "Atlantis"},                                                    2, "Kurita, Liao, Marik, Davion, Steiner, ComStar, Jade"       },
      {{"--size", ""},                                                               2, "Lance, Company, Batallion, Regement, Star, Binary, Trinary"},
      {{"--seed", "4294967296"},                                                     2, "from 0 to 4294967295"                                      },
      {{"--seed", "-1"},                                                             2, "\"-1\" is not one"                                         },
      {{"--seed", "7x"},                                                             2, "\"7x\" is not one"                                         },
      {{"--seed"},                                                                   2, "--seed needs a number"                                     },
      {{"--experience", "--seed", "1"},                                              2, "--experience needs"                                        },
      {{"--vehicles=yes"},                                                           2, "--vehicles takes no value"                                 },
      {{"--check-tables", SHIPPED_TABLES, "--seed", "1"},                            2, "--check-tables takes only"                                 },
      {{"--seed", "1", "--tables", (folder.path() / "absent.dat").string()},
       1,                                                                               "No such file or directory"                                 },
      {{"--seed", "1", "--faction", "wolf", "--tables", noWolf.string()},            1, "Wolf"                                                      },
      {{"--seed", "1", "--tables", SHIPPED_TABLES, "--out", folder.path().string()},
       1,                                                                               "Is a directory"                                            },
      {{"--seed", "1", "--tables", SHIPPED_TABLES, "--out", "/dev/full"},
       1,                                                                               "No space left on device"                                   },
      {{"--check-tables", noWolf.string()},                                          1, noWolf.string() + ", line "                                 },
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

TEST(Cli, HelpVersionAndCheckTablesPrintOnStandardOutput) {
  const RunResult help = runCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Jade Falcon, Wolf, Ghost Bear, Smoke Jaguar, Random"),
            std::string::npos);
  EXPECT_NE(help.out.find("Batallion, Regement"), std::string::npos);
  EXPECT_EQ(runCli({"--version"}).out, "musterwright-cli " PROJECT_VERSION "\n");

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

}  // namespace
