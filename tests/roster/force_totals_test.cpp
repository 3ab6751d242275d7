// SPDX-License-Identifier: MIT
// The totals line, and the shipped design list against the shipped tables: every name a slot can
// hold is numbered, its tons in the range of each weight class it is drawn as.
#include "roster/force_totals.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "odds/collection_designs.h"
#include "roster/design_source.h"
#include "support/file_bytes.h"

namespace {

TEST(ForceTotals, TheTotalsLineSaysWhatIsMissing) {
  const struct {
    Totals totals;
    std::string line;
  } rows[] = {
      {{24000, 5230, 0, 0, 0},                  "Total: 240 tons, 5,230 points"                    },
      {{3750, 999, 1, 0, 0},                    "Total: 37.5 tons, 999 points, 1 slot without tons"},
      {{1225, 1234567, 0, 2, 1},
       "Total: 12.25 tons, 1,234,567 points, 2 slots without points, "
       "1 open slot"                                                                               },
      {{0, 0, 3, 3, 2},
       "Total: 0 tons, 0 points, 3 slots without tons, 3 slots "
       "without points, 2 open slots"                                                              },
      {{66500, 14290, 0, 1, 1, true, 15102, 2},
       "Total: 665 tons, 14,290 points (15,102 with crew skill), 1 slot without points, "
       "2 slots without crew skill, 1 open slot"                                                   },
      {{100, 7, 0, 0, 0, true, 0, 1},
       "Total: 1 tons, 7 points (0 with crew skill), 1 slot "
       "without crew skill"                                                                        },
  };
  for (const auto& row : rows) EXPECT_EQ(totalsLine(row.totals), row.line);
}

TEST(ForceTotals, HeadingsAndRowsSayTheirNumbersAndWhatIsMissing) {
  EXPECT_EQ(totalsWords({24000, 5230, 0, 0, 0}), "240 tons \u00b7 5,230 points");
  EXPECT_EQ(totalsWords({3750, 999, 1, 2, 3}),
            "37.5 tons \u00b7 999 points \u00b7 1 without tons \u00b7 2 without points "
            "\u00b7 3 open");
  const struct {
    SlotNumbers numbers;
    bool open;
    std::string text;
  } rows[] = {
      {{6500, 1420, {}},      false, "65 tons \u00b7 1,420 points"     },
      {{std::nullopt, 0, {}}, false, "tons unknown \u00b7 0 points"    },
      {{2025, {}, {}},        false, "20.25 tons \u00b7 points unknown"},
      {{},                    true,  ""                                },
  };
  for (const auto& row : rows) EXPECT_EQ(slotNumbersText(row.numbers, row.open), row.text);
  EXPECT_EQ(slotNumbersText({6500, 1420, 1562}, false, true),
            "65 tons \u00b7 1,420 points \u00b7 1,562 with crew");
  EXPECT_EQ(slotNumbersText({6500, 1420, std::nullopt}, false, true),
            "65 tons \u00b7 1,420 points \u00b7 crew skill unknown");
}

TEST(ForceTotals, ADrawWithAnotherDesignListIsNoticed) {
  DesignList list;
  list.name = "mine";
  list.identity = "0123456789abcdef";
  const std::string other = "fedcba9876543210";
  EXPECT_EQ(designListChangeNotice("mine", list.identity, &list), "");
  EXPECT_EQ(designListChangeNotice("", "", &list), "") << "a record naming no list";
  EXPECT_EQ(designListChangeNotice("Designs", other, &list),
            "This force was drawn with the design list Designs (fedcba98); the list in use is "
            "mine (01234567), so its budget and totals may differ.");
  EXPECT_EQ(designListChangeNotice("", other, nullptr),
            "This force was drawn with a design list (fedcba98) that the link does not name; no "
            "design list is in use, so its budget and totals may differ.");
}

// A list without numbers for battle armour's names is warned of once, naming those it lacks.
TEST(ForceTotals, AListLackingBattleArmourIsWarnedOfOnce) {
  const auto warning = [](const std::string& rows) {
    const std::string bytes = "design,tons,points\n" + rows;
    return battleArmourWarning(
        readDesignList(bytes, "mine.csv", "mine", {}, UnknownNames::quiet).list, "mine.csv");
  };
  EXPECT_EQ(warning("battle suit,1,50\nELEMENTAL,1,60\n"), "");
  EXPECT_EQ(warning("Battle Suit,1,50\nElemental,1,\n"),
            "mine.csv: the list lacks tons or points for \"Elemental\", the names the rules give "
            "battle armour; their slots count as without them");
}

TEST(ForceTotals, TheShippedListNumbersEveryNameOfTheShippedTablesInItsWeightClass) {
  const std::string tables = bytesOf(SHIPPED_TABLES);
  const DesignListRead list =
      readDesignListFile(std::filesystem::path(SHIPPED_TABLES).parent_path() / kDesignListFileName,
                         slotDesignNames(tables, "Tables.dat"), UnknownNames::warn);
  EXPECT_EQ(list.warnings, std::vector<std::string>{});
  EXPECT_EQ(list.notices, std::vector<std::string>{});
  for (const std::string& name : slotDesignNames(tables, "Tables.dat")) {
    const DesignNumbers* row = list.list.find(name);
    ASSERT_TRUE(row && row->tonsHundredths && row->points) << name;
  }
  const struct {
    const char* weight;
    int least, most;
  } kClasses[] = {
      {"Light",   20, 35 },
      {"Medium",  40, 55 },
      {"Heavy",   60, 75 },
      {"Assault", 80, 100}
  };
  for (const CollectionDesign& design : collectionDesigns(tables, "Tables.dat")) {
    const std::int64_t tons = *list.list.find(design.name)->tonsHundredths;
    for (const std::string& table : design.tables) {
      for (const auto& [weight, least, most] : kClasses) {
        if (!table.ends_with(std::string(" ") + weight)) continue;
        EXPECT_TRUE(tons >= least * 100 && tons <= most * 100) << design.name << " in " << table;
      }
    }
  }
}

}  // namespace
