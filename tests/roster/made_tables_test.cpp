// SPDX-License-Identifier: MIT
// Tables laid out as every front end lays them out: a list that cannot be laid out is refused
// with every problem at once, before any table; a second layout is made over the base of the
// made tables in use, so that what the list dropped is gone; and the made file's one name.
#include "roster/made_tables.h"

#include <gtest/gtest.h>

#include "roster/force_model.h"
#include "support/table_files.h"

namespace {

const std::string kHeader = "design,tons,points,weight_class,kind,factions,rarity\n";

TEST(MadeTables, AListThatCannotBeLaidOutIsRefusedWithEveryProblemAtOnce) {
  const std::string list = kHeader +
                           "Pike,25,500,Light,,all,common\n"
                           "Heavy,50,900,Medium,,Davion,common\n"
                           "Davion,40,800,Light,,Davion,common\n"
                           "\"Two\nlines\",30,600,Light,,Davion,common\n"
                           "Stray,many,500,Light,,Davion,common\n"
                           "Huge One,80,1,Huge,,Davion,common\n"
                           "Numbers Only,20,300,,,,\n";
  const std::vector<std::string> listProblems = {
      "mine.csv, line 3: the name \"Heavy\" is a weight heading",
      "mine.csv, line 4: the name \"Davion\" is a faction heading",
      "mine.csv, line 5: the name \"Two\\nlines\" holds a line break",
      "mine.csv, line 7: tons \"many\" of \"Stray\" is not a number",
      "mine.csv, line 8: the weight class \"Huge\" is none of",
  };
  std::string quirky = soundTables();
  quirky.replace(quirky.find("\nKurita\n"), 8, "\nKurota\n");
  // A base that fails its check adds its own problems after the list's.
  ASSERT_FALSE(tableBaseProblems(quirky, "Base.dat").empty());
  for (const std::string& base : {soundTables(), quirky}) {
    std::vector<std::string> expected = listProblems;
    for (const std::string& problem : tableBaseProblems(base, "Base.dat"))
      expected.push_back(problem);
    const MadeTables made = layOutTables(list, "mine.csv", base, "Base.dat");
    ASSERT_EQ(made.problems.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k)
      EXPECT_EQ(made.problems[k].rfind(expected[k], 0), 0u) << made.problems[k];
    EXPECT_FALSE(made.made());
    EXPECT_EQ(made.making.bytes, "");
    EXPECT_TRUE(made.report.tables.empty());
    EXPECT_EQ(made.report.opening, "");
  }
  // Without its bad rows the list is laid out, told that it lacks battle armour's numbers.
  const MadeTables made =
      layOutTables(kHeader + "Pike,25,500,Light,,all,common\n", "mine.csv", soundTables(), "B");
  ASSERT_TRUE(made.made()) << made.problems.front();
  EXPECT_EQ(made.warnings.size(), 1u);
  EXPECT_EQ(made.report.opening, "Tables laid out from mine.csv over B.");
}

TEST(MadeTables, ASecondLayoutIsMadeOverTheBaseSoWhatTheListDroppedIsGone) {
  const std::string first = kHeader +
                            "Pike,25,500,Light,,Davion,common\n"
                            "Ridge Tank,60,900,Heavy,vehicle,,common\n";
  const std::string second = kHeader + "Halberd,30,600,Light,,Davion,common\n";
  ForceModel model;
  static_cast<void>(model.useTables(soundTableText()));
  const auto layOut = [&](const std::string& list) {
    const std::shared_ptr<const TableText> base = model.tablesBase();
    MadeTables made = layOutTables(list, "mine.csv", base->bytes, base->name.string());
    EXPECT_TRUE(made.made());
    static_cast<void>(model.useTables({made.making.bytes, made.fileName}, nullptr, base));
    return made;
  };
  const MadeTables once = layOut(first);
  EXPECT_EQ(model.madeTablesBase()->bytes, soundTables());
  const MadeTables twice = layOut(second);
  EXPECT_EQ(model.tables()->bytes, twice.making.bytes);
  EXPECT_EQ(model.tablesBase()->bytes, soundTables());
  EXPECT_NE(once.making.bytes.find("Ridge Tank"), std::string::npos);
  EXPECT_EQ(twice.making.bytes.find("Ridge Tank"), std::string::npos);
  EXPECT_NE(once.making.bytes.find("Pike"), std::string::npos);
  EXPECT_EQ(twice.making.bytes.find("Pike"), std::string::npos);
  EXPECT_NE(twice.making.bytes.find("Halberd"), std::string::npos);

  // A table file chosen, even the made one, is its own base.
  static_cast<void>(model.useTables({twice.making.bytes, "Chosen.dat"}));
  EXPECT_EQ(model.madeTablesBase(), nullptr);
  EXPECT_EQ(model.tablesBase()->bytes, twice.making.bytes);
}

TEST(MadeTables, TheMadeFileIsNamedAfterTheList) {
  const std::pair<const char*, const char*> names[] = {
      {"mine.csv",             "mine-tables.dat"     },
      {"/lists/My Lances.csv", "My Lances-tables.dat"},
      {"Designs",              "Designs-tables.dat"  },
      {"two.dots.csv",         "two.dots-tables.dat" },
  };
  for (const auto& [list, made] : names) EXPECT_EQ(madeTablesFileName(list), made) << list;
  EXPECT_EQ(layOutTables(std::filesystem::path("/no/such/list.csv"), soundTables(), "B").fileName,
            "list-tables.dat");
}

}  // namespace
