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
      {{24000, 5230, 0, 0, 0},   "Total: 240 tons, 5,230 points"                    },
      {{3750, 999, 1, 0, 0},     "Total: 37.5 tons, 999 points, 1 slot without tons"},
      {{1225, 1234567, 0, 2, 1},
       "Total: 12.25 tons, 1,234,567 points, 2 slots without points, "
       "1 open slot"                                                                },
      {{0, 0, 3, 3, 2},
       "Total: 0 tons, 0 points, 3 slots without tons, 3 slots "
       "without points, 2 open slots"                                               },
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
      {{6500, 1420},         false, "65 tons \u00b7 1,420 points"     },
      {{std::nullopt, 0},    false, "tons unknown \u00b7 0 points"    },
      {{2025, std::nullopt}, false, "20.25 tons \u00b7 points unknown"},
      {{},                   true,  ""                                },
  };
  for (const auto& row : rows) EXPECT_EQ(slotNumbersText(row.numbers, row.open), row.text);
}

TEST(ForceTotals, ADrawWithAnotherDesignListIsNoticed) {
  DesignList list;
  list.name = "Designs";
  list.identity = "0123456789abcdef";
  EXPECT_EQ(designListChangeNotice(list.identity, &list), "");
  EXPECT_EQ(designListChangeNotice("", nullptr), "");
  for (const auto& [drawnWith, inUse] : {
           std::pair<std::string, const DesignList*>{"fedcba9876543210", &list  },
           {"",                 &list  },
           {list.identity,      nullptr}
  })
    EXPECT_NE(designListChangeNotice(drawnWith, inUse).find("may differ"), std::string::npos)
        << drawnWith;
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
