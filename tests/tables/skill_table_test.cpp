// SPDX-License-Identifier: MIT
// The skill table: its columns in any order, every refused row with its line, a pair given
// twice, warnings for crews beyond the skills rule tables roll, and a slot's points rounded half
// up.
#include "tables/skill_table.h"

#include <gtest/gtest.h>

namespace {

const std::vector<CrewPair> kRolled{
    {4, 3},
    {5, 4}
};

SkillTableRead read(const std::string& bytes) {
  return readSkillTable(bytes, "crew.csv", "crew", kRolled);
}

std::string refusal(const std::string& bytes) {
  try {
    read(bytes);
  } catch (const SkillTableError& error) {
    return error.what();
  }
  return "";
}

TEST(SkillTable, ColumnsInAnyOrderAndCaseOtherColumnsIgnored) {
  const SkillTableRead got = read(
      "\xEF\xBB\xBFNote,Percent,GUNNERY,piloting\r\nx,100,4,5\r\n"
      ",,,\r\nfine,\"135\",3,4\r\n");
  EXPECT_EQ(got.table.name, "crew");
  EXPECT_EQ(got.table.percents, (std::map<CrewPair, int>{
                                    {{4, 3}, 135},
                                    {{5, 4}, 100}
  }));
  EXPECT_TRUE(got.warnings.empty());
  EXPECT_EQ(got.table.percentOf('4', '3'), 135);
  EXPECT_EQ(got.table.percentOf('3', '3'), std::nullopt);
  EXPECT_EQ(got.table.percentOf('-', '-'), std::nullopt);
  EXPECT_EQ(read("gunnery,percent,piloting\n3,135,4\n4,100,5\n").table.identity,
            got.table.identity);
  EXPECT_NE(read("piloting,gunnery,percent\n4,3,136\n5,4,100\n").table.identity,
            got.table.identity);
}

TEST(SkillTable, EveryBadRowIsNamedWithItsLineAndTheFileRefused) {
  // clang-format off
  const struct { std::string text, problems; } rows[] = {
      {"piloting,gunnery,percent\n10,4,100\n5,-1,100\n5,4,0\n5,4,1001\n5,x,\n4.5,3,100\n",
       "crew.csv, line 2: piloting \"10\" is not a whole number from 0 to 9\n"
       "crew.csv, line 3: gunnery \"-1\" is not a whole number from 0 to 9\n"
       "crew.csv, line 4: percent \"0\" is not a whole number from 1 to 1,000\n"
       "crew.csv, line 5: percent \"1001\" is not a whole number from 1 to 1,000\n"
       "crew.csv, line 6: gunnery \"x\" is not a whole number from 0 to 9\n"
       "crew.csv, line 6: percent \"\" is not a whole number from 1 to 1,000\n"
       "crew.csv, line 7: piloting \"4.5\" is not a whole number from 0 to 9"},
      {"piloting,gunnery,percent\n5,4,100\n4,3,120\n05,4,101\n",
       "crew.csv, line 4: piloting 5, gunnery 4 is already on line 2"},
      {"piloting,percent\n5,100\n",
       "crew.csv, line 1: the header lacks the column \"gunnery\"; write \"piloting,gunnery,percent\""},
      {"\n ,\n",
       "crew.csv: the table has no header row; its first row names the columns, \"piloting,gunnery,percent\""},
      {"piloting,gunnery,percent\n5,4,\"100\n", "crew.csv, line 2: "},
      {std::string("piloting,gunnery,percent\n5,4,1\0\n", 32),
       "crew.csv: the file is not text (UTF-8 without NUL bytes)"}};
  // clang-format on
  for (const auto& row : rows) {
    const std::string got = refusal(row.text);
    EXPECT_EQ(got.substr(0, row.problems.size()), row.problems) << row.text;
    EXPECT_FALSE(got.empty()) << row.text;
  }
  EXPECT_NE(refusal(std::string(kMaxSkillTableBytes + 1, ' ')).find("too large"),
            std::string::npos);
}

// A pair within the skills crews roll (3 to 5 here) fills out the grid quietly; one beyond them
// is kept with a warning.
TEST(SkillTable, APairBeyondTheRolledSkillsIsKeptWithAWarning) {
  const SkillTableRead got = read("piloting,gunnery,percent\n5,4,100\n0,0,400\n3,5,90\n6,4,80\n");
  EXPECT_EQ(got.table.percentOf('0', '0'), 400);
  EXPECT_EQ(got.table.percentOf('3', '5'), 90);
  EXPECT_EQ(got.warnings, (std::vector<std::string>{
                              "crew.csv, line 3: piloting 0, gunnery 0 is a crew no rule table "
                              "rolls; kept",
                              "crew.csv, line 5: piloting 6, gunnery 4 is a crew no rule table "
                              "rolls; kept"}));
}

TEST(SkillTable, PointsWithSkillRoundHalfUp) {
  const struct {
    std::int64_t points;
    int percent;
    std::int64_t expected;
  } rows[] = {
      {1420,  110,  1562  },
      {1,     150,  2     },
      {1,     149,  1     },
      {3,     50,   2     },
      {0,     224,  0     },
      {99999, 1000, 999990}
  };
  for (const auto& row : rows)
    EXPECT_EQ(pointsWithSkill(row.points, row.percent), row.expected)
        << row.points << " at " << row.percent;
}

}  // namespace
