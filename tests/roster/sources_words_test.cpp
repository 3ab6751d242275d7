// SPDX-License-Identifier: MIT
// The words that name the table file and the design list in use, and how a design list just
// chosen meets the tables: every kind of list in use, and lists inside, partly outside and
// wholly outside the tables, with and without the column that lays tables out.
#include "roster/sources_words.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(SourcesWords, NameEachFileInUseAndSayWhereItCameFrom) {
  const std::filesystem::path tables = "/games/Tables.dat";
  const std::filesystem::path list = "/games/lists/Mine.csv";
  struct Case {
    std::optional<std::filesystem::path> tables;
    DesignListInUse designs;
    const char *shortTables, *shortDesigns, *whole;
  };
  const Case cases[] = {
      {tables,
       {std::nullopt, false, false},
       "Tables.dat",    "No design list",
       "Table file: /games/Tables.dat\nDesign list: none beside the table file, so tons and points "
       "are unknown"                                                                   },
      {tables,
       {"/games/Designs.csv", false, true},
       "Tables.dat",    "Designs.csv",
       "Table file: /games/Tables.dat\nDesign list: /games/Designs.csv, found beside the table "
       "file"                                                                          },
      {tables,
       {list, true, true},
       "Tables.dat",    "Mine.csv",
       "Table file: /games/Tables.dat\nDesign list: /games/lists/Mine.csv, chosen"     },
      {tables,
       {list, true, false},
       "Tables.dat",    "Mine.csv (not used)",
       "Table file: /games/Tables.dat\nDesign list: /games/lists/Mine.csv, chosen, not used: it "
       "cannot be read"                                                                },
      {std::nullopt,
       {list, true, true},
       "No table file", "Mine.csv",
       "Table file: none could be read yet\nDesign list: /games/lists/Mine.csv, chosen"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.whole);
    const SourcesWords words = sourcesWords(c.tables, c.designs);
    EXPECT_EQ(words.tables, c.shortTables);
    EXPECT_EQ(words.designs, c.shortDesigns);
    EXPECT_EQ(words.whole, c.whole);
  }
  // A name relative to the working folder is written whole, its dots resolved.
  const SourcesWords relative = sourcesWords("./data/../Tables.dat", {});
  EXPECT_EQ(relative.whole.substr(0, relative.whole.find('\n')),
            "Table file: " + (std::filesystem::current_path() / "Tables.dat").string());
}

TEST(SourcesWords, AListJustChosenSaysHowManyOfItsDesignsNoTableHolds) {
  // A list of `designs` rows, `outside` of them warned of as in no table; with `weighed`, its
  // rows give weight classes.
  const auto read = [](int designs, int outside, bool weighed) {
    DesignListRead made;
    for (int k = 0; k < designs; ++k) {
      DesignNumbers row;
      row.name = "Design " + std::to_string(k);
      if (weighed) row.layout.weightClass = "Light";
      made.list.designs.emplace(row.name, row);
    }
    for (int k = 0; k < outside; ++k) made.warnings.push_back("a row in no table");
    return made;
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
      {420, 15, true,
       "15 of the 420 designs of Mine.csv are in no table of Tables.dat, so no force draws "
       "them; tables laid out from the list would hold them.",                             true },
      {3,   3,  true,
       "None of the 3 designs of Mine.csv is in a table of Tables.dat, so no force draws them; "
       "tables laid out from the list would hold them.",                                   true },
      {420, 15, false,
       "15 of the 420 designs of Mine.csv are in no table of Tables.dat, so no force draws "
       "them; with a weight_class column, tables laid out from the list would hold them.", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const DesignListMatch match =
        designListMatch(read(c.designs, c.outside, c.weighed), "/lists/Mine.csv", "Tables.dat");
    EXPECT_EQ(match.text, c.text);
    EXPECT_EQ(match.layOutHelps, c.layOutHelps);
  }
  EXPECT_EQ(refusedDesignListText("/lists/Bad.csv"),
            "Bad.csv is not used; the design list in use stays. Its problems:");
}

}  // namespace
