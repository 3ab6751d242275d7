// SPDX-License-Identifier: MIT
// Laying out a hand-edited table file: only line ends and the filler before the vehicle
// section change, and the laid-out file draws the forces the edit meant.
#include "tables/table_fit.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "generator/generate.h"
#include "support/file_bytes.h"
#include "support/table_files.h"
#include "tables/table_check.h"

namespace {

const std::string kShipped = bytesOf(SHIPPED_TABLES);

std::string replaced(const std::string& text, const std::string& from, const std::string& to) {
  return std::regex_replace(text, std::regex(from), to);
}

// The designs of a few forces of every size, with and without vehicles, drawn from `bytes`,
// one slot to a line.
std::string forcesOf(const std::string& bytes) {
  const TableText tables{bytes, "Tables.dat"};
  std::string designs;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    const Selection selection{"Random", "Random", "Random", "Random", seed % 2 == 0};
    const Force force = generateForce(tables, selection, seed);
    for (int k = 0; k < force.roster.length(); ++k)
      designs.append(force.roster[k].name.c_str()).push_back('\n');
  }
  return designs;
}

TEST(TableFit, ALaidOutFileComesBackByteForByteAndCrLfBecomesLf) {
  EXPECT_EQ(fitTableBytes(kShipped, "T").bytes, kShipped);
  EXPECT_EQ(fitTableBytes(withCrLf(kShipped), "T").bytes, kShipped);
  const std::string tests = soundTables();
  EXPECT_EQ(fitTableBytes(tests, "T").bytes, tests);
}

// The lines of `text` that hold a letter or digit.
std::vector<std::string> withoutFiller(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (std::regex_search(line, std::regex("[A-Za-z0-9]"))) lines.push_back(line);
  return lines;
}

TEST(TableFit, ARenamedDesignMovesOnlyTheFillerAndDrawsTheForcesOfTheRename) {
  const std::string shippedForces = forcesOf(kShipped);
  for (const std::string name : {"Sleet", "Sleetfang Mark II Prime", "S"}) {
    const std::string edited = replaced(kShipped, "\nSleetfang\n", "\n" + name + "\n");
    const TableFit fit = fitTableBytes(edited, "T");
    ASSERT_EQ(fit.problems, std::vector<std::string>{}) << name;
    EXPECT_EQ(checkTableBytes(fit.bytes, "T"), std::vector<std::string>{}) << name;
    EXPECT_TRUE(withoutFiller(fit.bytes) == withoutFiller(edited)) << name;
    EXPECT_TRUE(forcesOf(fit.bytes) ==
                replaced(shippedForces, "(^|\n)Sleetfang(?=\n)", "$1" + name))
        << name;
  }
}

TEST(TableFit, FillerIsInsertedWhereThereIsNoneAndTooLongTablesSayByHowMuch) {
  const std::size_t tablesEnd = kShipped.find("\n\n---") + 1;
  const std::string noFiller =
      kShipped.substr(0, tablesEnd) + kShipped.substr(kShipped.find("Vehicles\n"));
  EXPECT_EQ(fitTableBytes(noFiller, "T").bytes.substr(tablesEnd, 80),
            std::string(39, '-') + "\n" + std::string(39, '-') + "\n");
  EXPECT_EQ(checkTableBytes(fitTableBytes(noFiller, "T").bytes, "T"), std::vector<std::string>{});

  const std::string tooLong =
      replaced(kShipped, "\nSleetfang\n", "\nSleetfang" + std::string(1750, 'x') + "\n");
  EXPECT_EQ(fitTableBytes(tooLong, "T").problems,
            std::vector<std::string>{"T, line 491: the faction tables end at byte 7058, past byte "
                                     "7038 where the vehicle section must begin; they must shrink "
                                     "by 20 bytes"});
}

TEST(TableFit, WhatTheFillerCannotMendIsReportedAsTheCheckerReportsIt) {
  const std::string noWolf = replaced(kShipped, "\nWolf\n", "\nWolx\n");
  const std::string cut = kShipped.substr(0, kShipped.find("Dewblade"));
  for (const std::string& bytes : {noWolf, cut, std::string(), std::string(3000, '\0')}) {
    const TableFit fit = fitTableBytes(bytes, "T");
    EXPECT_EQ(fit.bytes, "");
    EXPECT_EQ(fit.problems, checkTableBytes(bytes, "T"));
    EXPECT_FALSE(fit.problems.empty());
  }
}

}  // namespace
