// SPDX-License-Identifier: MIT
// The words that name the table file, the design list and the skill table in use, and how a
// design list just chosen meets the tables: every kind of list in use, and lists inside, partly
// outside and wholly outside the tables, with and without the column that lays tables out.
#include "roster/sources_words.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(SourcesWords, NameEachFileInUseAndSayWhereItCameFrom) {
  const std::filesystem::path tables = "/games/Tables.dat", list = "/games/Mine.csv";
  struct Case {
    ListInUse list;
    const char *named, *whole;  // the list's name, and what follows "Design list: "
    const char* skills;         // what follows "Skill table: " when not `whole`
  };
  // clang-format off
  const Case cases[] = {
      {{std::nullopt, false, false}, "No design list",
       "none beside the table file, so tons and points are unknown",
       "none beside the table file, so points with crew skill are unknown"},
      {{"/games/Designs.csv", false, true}, "Designs.csv",
       "/games/Designs.csv, found beside the table file", nullptr},
      {{list, true, true}, "Mine.csv", "/games/Mine.csv, chosen", nullptr},
      {{list, true, false}, "Mine.csv (not used)",
       "/games/Mine.csv, chosen, not used: it cannot be read", nullptr},
  };
  // clang-format on

  for (const Case& c : cases) {
    // The same file in use as the design list and as the skill table is named alike in both.
    const SourcesWords words = sourcesWords(tables, c.list, c.list);
    EXPECT_EQ(words.tables, "Tables.dat");
    EXPECT_EQ(words.designs, c.named);
    EXPECT_EQ(words.skills, c.list.file ? c.named : "No skill table");
    EXPECT_EQ(words.whole, std::string("Table file: /games/Tables.dat\nDesign list: ") + c.whole +
                               "\nSkill table: " + (c.skills ? c.skills : c.whole));
  }
  EXPECT_EQ(sourcesWords(std::nullopt, {list, true, true}).tables, "No table file");
  // A name relative to the working folder is written whole, its dots resolved.
  EXPECT_TRUE(sourcesWords("./data/../Tables.dat", {})
                  .whole.starts_with("Table file: " +
                                     (std::filesystem::current_path() / "Tables.dat").string()));
}

TEST(SourcesWords, AListJustChosenSaysHowManyOfItsDesignsNoTableHolds) {
  // A list of `designs` rows, the last `outside` of them in no table; with `weighed`, its rows
  // give weight classes. The tables write their names in another case.
  const auto match = [](int designs, int outside, bool weighed) {
    DesignList list;
    std::vector<std::string> slots{"Battle Suit"};
    for (int k = 0; k < designs; ++k) {
      list.designs["design " + std::to_string(k)].layout.weightClass = weighed ? "Light" : "";
      if (k < designs - outside) slots.push_back("Design " + std::to_string(k));
    }
    return designListMatch(list, slots, "/lists/Mine.csv", "Tables.dat");
  };
  struct Case {
    int designs, outside;
    bool weighed;
    const char* text;
    bool layOutHelps;
  };
  const Case cases[] = {
      {0,   0,  true,  "Mine.csv holds no design.",                                        false},
      {420, 0,  true,  "Every design of Mine.csv (420) is in a table of Tables.dat.",      false},
      {420, 1,  true,
       "1 of the 420 designs of Mine.csv is in no table of Tables.dat, so no force draws it; "
       "tables laid out from the list would hold it.",                                     true },
      {3,   3,  true,
       "None of the 3 designs of Mine.csv is in a table of Tables.dat, so no force draws them; "
       "tables laid out from the list would hold them.",                                   true },
      {420, 15, false,
       "15 of the 420 designs of Mine.csv are in no table of Tables.dat, so no force draws "
       "them; with a weight_class column, tables laid out from the list would hold them.", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const DesignListMatch told = match(c.designs, c.outside, c.weighed);
    EXPECT_EQ(told.text, c.text);
    EXPECT_EQ(told.layOutHelps, c.layOutHelps);
  }
}

}  // namespace
