// SPDX-License-Identifier: MIT
#include "roster/roster_words.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A force of two groups whose slots are "Design k" with skills '4' and '3'.
Force twoGroups(bool clan) {
  Force force;
  force.isClan = clan;
  force.roster.resize(2 * force.groupSize());
  for (int k = 0; k < force.roster.length(); ++k) {
    force.roster[k].name = ("Design " + std::to_string(k + 1)).c_str();
    force.roster[k].weightClass = "Heavy";
    force.roster[k].piloting = '4';
    force.roster[k].gunnery = '3';
  }
  return force;
}

TEST(RosterWords, ARerollSaysWhatItDrewAndWhetherNothingChanged) {
  struct Case {
    bool clan;
    RerollKind kind;
    Reroll at;
    int changedSlot;  // roster index whose gunnery the re-roll changed, -1 for none
    const char* said;
  };
  const Case cases[] = {
      {false, RerollKind::slot,        {1, 2}, -1, "Slot 1.2 rolled again: the same"               },
      {false, RerollKind::slot,        {1, 2}, 1,  "Slot 1.2 rolled again."                        },
      {false, RerollKind::slot,        {1, 2}, 2,  "Slot 1.2 rolled again: the same"               },
      {false, RerollKind::group,       {2, 0}, 0,  "Lance 2 rolled again: the same"                },
      {false, RerollKind::group,       {2, 0}, 7,  "Lance 2 rolled again."                         },
      {true,  RerollKind::group,       {1, 0}, 4,  "Star 1 rolled again."                          },
      {true,  RerollKind::otherGroups, {1, 0}, 9,  "Every star but star 1 rolled again."           },
      {false, RerollKind::otherGroups, {1, 0}, 0,  "Every lance but lance 1 rolled again: the same"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.said);
    const Force before = twoGroups(c.clan);
    Force after = before;
    if (c.changedSlot >= 0) after.roster[c.changedSlot].gunnery = '5';
    EXPECT_EQ(rerollOutcome(before, after, c.kind, c.at), c.said);
  }
  const Force before = twoGroups(false);
  Force opened = before;
  opened.roster[1].kind = SlotKind::open;
  EXPECT_EQ(rerollOutcome(before, opened, RerollKind::slot, {1, 2}), "Slot 1.2 rolled again.");
  EXPECT_EQ(openSlotWords(opened.roster[1]), "open: no Heavy design left");
}

TEST(RosterWords, TheSeedBoxSaysEveryGenerateUsesItsSeed) {
  EXPECT_EQ(seedBoxNotice(" \t"), "");
  EXPECT_EQ(seedBoxNotice(" 42\n"), "Every Generate uses seed 42 while it stays in the Seed box.");
  EXPECT_EQ(seedBoxNotice("4294967295"),
            "Every Generate uses seed 4294967295 while it stays in the Seed box.");
  EXPECT_NE(seedBoxNotice("7x").find("\"7x\" is not one"), std::string::npos);
  EXPECT_NE(seedBoxNotice("4294967296").find("is not one"), std::string::npos);
}

// A box opens each of its lines as a sentence, and leaves a file's name as it is spelt.
// clang-format off
TEST(RosterWords, ABoxOpensEachLineWithACapitalButNoFileName) {
  const std::pair<const char*, const char*> rows[] = {
      {"no force within 1\u20132 points: try", "No force within 1\u20132 points: try"},
      {"Two\n\nre-roll 2: no draw", "Two\n\nRe-roll 2: no draw"},
      {"designs.csv, line 2: points", "designs.csv, line 2: points"},
      {"mine: the file is not text", "mine: the file is not text"},
      {"my list, line 3: the row", "my list, line 3: the row"},
      {"\"6k\" is no band", "\"6k\" is no band"}, {"std::bad_alloc", "std::bad_alloc"}, {"", ""}};
  for (const auto& [message, shown] : rows) EXPECT_EQ(boxMessage(message), shown) << message;
}
// clang-format on

}  // namespace
