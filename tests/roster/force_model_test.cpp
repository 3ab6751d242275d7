// SPDX-License-Identifier: MIT
// The model both front ends hold: when a collection is in use, how a kept or linked force is
// drawn again and what the player is told, undoing re-rolls, and failures that change nothing.
#include "roster/force_model.h"

#include <gtest/gtest.h>

#include "generator/budget_draw.h"
#include "roster/listing.h"
#include "roster/listing_text.h"
#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"
#include "tables/table_identity.h"

namespace {

// Every Kurita design, `copies` of each: enough that no slot of a lance stays open.
std::string everyKuritaDesign(int copies) {
  std::string text;
  for (const std::string& weight : kWeightWords)
    for (int k = 1; k <= 11; ++k)
      text += std::to_string(copies) + " Kur " + weight + " " + std::to_string(k) + "\n";
  return text;
}
const std::string kMine = everyKuritaDesign(1);
const std::string kOther = everyKuritaDesign(2);
const Selection kLance{"Kurita", "Lance", "Light", "Regular", false};

bool mentions(const std::vector<std::string>& notices, const std::string& text) {
  for (const std::string& notice : notices)
    if (notice.find(text) != std::string::npos) return true;
  return false;
}

ForceModel modelWith(const std::string* collection, bool ticked) {
  ForceModel model;
  static_cast<void>(model.useTables(soundTableText()));
  if (collection) static_cast<void>(model.holdCollection(*collection, "mine.txt"));
  model.setCollectionChoice(ticked, false);
  return model;
}

TEST(ForceModel, ACollectionIsInUseWhenHeldAndTicked) {
  const struct {
    bool held, ticked;
    const char* error;
    bool fromCollection;
  } cases[] = {
      {false, false, "",                         false},
      {true,  false, "",                         false},
      {false, true,  "No collection is in use:", false},
      {true,  true,  "",                         true },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.held) + std::to_string(c.ticked));
    ForceModel model = modelWith(c.held ? &kMine : nullptr, c.ticked);
    const ForceView view = model.generate(kLance, "7");
    EXPECT_EQ(view.error.substr(0, std::string(c.error).size()), c.error);
    ASSERT_EQ(view.drew(), *c.error == '\0') << view.error;
    if (!view.drew()) continue;
    EXPECT_EQ(view.force->collection.has_value(), c.fromCollection);
    EXPECT_EQ(view.caption.find("collection mine (") != std::string::npos, c.fromCollection);
  }
}

// A record drawn again ticks "Draw from my collection" to match it, and says what differs: a
// record from a collection while none is held is drawn from every design.
TEST(ForceModel, ARecordIsDrawnAgainFromWhatIsHeldWithANotice) {
  const std::string mine =
      modelWith(&kMine, true).generate(kLance, "1").force->collection->identity;
  const struct {
    const std::string* held;
    const char* recordName;  // "" for a link
    bool ticked;
    std::string notice;  // "" for none
  } cases[] = {
      {&kMine,  "mine", true,  ""                                                                 },
      {&kOther, "mine", true,  "drawn from the collection mine (" + shortIdentity(mine) + "); "   },
      {&kOther, "",     true,  "that the link does not carry; it is drawn here from yours, mine ("},
      {nullptr, "mine", false, "; it is drawn here from every design, and may differ."            },
      {nullptr, "",     false, "a collection (" + shortIdentity(mine) + ") that the link"         },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.notice);
    ForceModel model = modelWith(c.held, false);
    ForceRecord record{kLance,       "5",  "1", "", tableChecksum(soundTables()),
                       c.recordName, mine, {},  "", ""};
    record.choices.unique = true;
    const ForceView view = model.redraw(record);
    ASSERT_TRUE(view.drew()) << view.error;
    EXPECT_EQ(view.drawFromCollection, c.ticked);
    EXPECT_TRUE(view.eachDesignOnce);
    EXPECT_EQ(view.force->collection.has_value(), c.ticked);
    EXPECT_EQ(view.notices.empty(), c.notice.empty());
    EXPECT_TRUE(c.notice.empty() || mentions(view.notices, c.notice));
  }
}

TEST(ForceModel, AKeptForceIsDrawnAgainByteForByteOrSaysTheTablesDiffer) {
  ForceModel first = modelWith(&kMine, true);
  ASSERT_TRUE(first.generate(kLance, "9").drew());
  ASSERT_TRUE(first.reroll(RerollKind::slot, {1, 2}).drew());
  const ForceRecord kept = *first.shownRecord();
  EXPECT_EQ(kept.rerolls, "1.2");
  const ForceView drawn = first.shown();

  ForceModel again = modelWith(&kMine, false);
  const ForceView view = again.redraw(kept);
  EXPECT_EQ(view.listing, drawn.listing);
  EXPECT_EQ(view.caption, drawn.caption);
  EXPECT_TRUE(view.notices.empty());

  static_cast<void>(again.useTables({soundTables() + "\n", "Edited.dat"}));
  const ForceView edited = again.redraw(kept);
  EXPECT_TRUE(mentions(edited.notices, "the table file in use is Edited.dat"));
  again.setShippedChecksum(kept.tablesChecksum);
  ForceRecord linked = kept;
  linked.tablesChecksum.clear();
  EXPECT_TRUE(mentions(again.redraw(linked).notices, "drawn from the shipped Tables.dat"));
}

// Re-rolls tied to a text box's undo steps: a step in place shows at its mark and above, the
// force before it below; an edit after undoing drops the steps above.
TEST(ForceModel, UndoStepsFollowTheMarksTheyWerePlacedAt) {
  ForceModel model = modelWith(nullptr, false);
  const std::string drawn = model.generate({"Kurita", "Company", "", "", false}, "3").listing;
  const std::string second = model.reroll(RerollKind::group, {2, 0}).listing;
  EXPECT_EQ(model.undoTo(0).listing, drawn);  // not placed yet
  EXPECT_EQ(model.placeStep(1).listing, second);
  const std::string third = model.reroll(RerollKind::group, {3, 0}).listing;
  model.placeStep(2);
  const std::string expected[] = {drawn, second, third, third};
  for (int mark = 0; mark < 4; ++mark) EXPECT_EQ(model.undoTo(mark).listing, expected[mark]);
  model.undoTo(1);
  model.dropUndone(1);
  EXPECT_EQ(model.undoTo(2).listing, second);
  EXPECT_EQ(model.shownRecord()->rerolls, "2");
}

TEST(ForceModel, FailuresChangeNothingAndFindingsComeOnce) {
  ForceModel model = modelWith(nullptr, false);
  EXPECT_EQ(model.shownForce(), nullptr);
  EXPECT_EQ(model.reroll(RerollKind::group, {1, 0}).error,
            "There is no force to roll again: Generate one first.");
  const std::string drawn = model.generate(kLance, "4").listing;
  const struct {
    ForceView view;
    const char* error;
  } failures[] = {
      {model.generate(kLance, "7x"),           "\"7x\" is not one"        },
      {model.generate(kLance, "1",             "2"),                        "The re-rolls cannot be made (group 2:"},
      {model.reroll(RerollKind::otherGroups,                     {1, 0}),
       "The force has no other lance to roll again."},
  };
  for (const auto& f : failures) EXPECT_NE(f.view.error.find(f.error), std::string::npos);
  EXPECT_EQ(model.shown().listing, drawn);
  ASSERT_NE(model.shownForce(), nullptr);
  EXPECT_EQ(boxText(listForce(*model.shownForce())), drawn);

  std::string quirky = soundTables();
  quirky.replace(quirky.find("\nKurita\n"), 8, "\nKurota\n");
  EXPECT_FALSE(model.useTables({quirky, "Quirky.dat"}).empty());
  EXPECT_FALSE(model.generate({"Wolf", "Star", "", "", false}, "1").tableFindings.empty());
  EXPECT_TRUE(model.generate({"Wolf", "Star", "", "", false}, "2").tableFindings.empty());
}

// The totals come from the design list beside the table file, as the command line's --totals.
TEST(ForceModel, TotalsAsTheCommandLineGivesThem) {
  ForceModel model;
  static_cast<void>(model.useTables({bytesOf(SHIPPED_TABLES), SHIPPED_TABLES}));
  ASSERT_NE(model.designs(), nullptr);
  const ForceView view = model.generate({"Davion", "Company", "", "", false}, "7");
  const RunResult cli =
      runProgram(MUSTERWRIGHT_CLI, {"--faction", "Davion", "--size", "Company", "--seed", "7",
                                    "--totals", "--tables", SHIPPED_TABLES});
  ASSERT_EQ(cli.status, 0) << cli.err;
  EXPECT_TRUE(view.totals.starts_with("Total: ")) << view.totals;
  EXPECT_EQ(cli.out, view.listing + "\n\n" + view.totals + "\n");
}

// A budget typed in the boxes draws what the command line's --points and --tons draw, re-rolls
// and kept records stay within it, and a band that cannot be met draws nothing.
TEST(ForceModel, ABudgetDrawsAsTheCommandLineDoesAndIsKept) {
  ForceModel model;
  static_cast<void>(model.useTables({bytesOf(SHIPPED_TABLES), SHIPPED_TABLES}));
  const Selection company{"Davion", "Company", "", "", false};
  const std::string drawn = model.generate(company, "7").listing;
  const struct {
    BudgetText budget;
    std::vector<std::string> flags;
    const char* error;
  } cases[] = {
      {{"16000-18000", ""},    {"--points", "16000-18000"},                  ""                                                      },
      {{"", "720-760"},        {"--tons", "720-760"},                        ""                                                      },
      {{"17000", "720.5-780"}, {"--points", "17000", "--tons", "720.5-780"}, ""                                                      },
      {{"6000", ""},           {},                                           "the totals they can reach are 8,564\u201324,402 points"},
      {{"", "7x"},             {},                                           "The budget in tons cannot be read: "                   },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.budget.points + "/" + c.budget.tons);
    model.setBudget(c.budget);
    const std::string before = model.shown().listing;
    const ForceView view = model.generate(company, "7", "2");
    if (*c.error != '\0') {
      EXPECT_NE(view.error.find(c.error), std::string::npos) << view.error;
      EXPECT_EQ(model.shown().listing, before);
      continue;
    }
    ASSERT_TRUE(view.drew()) << view.error;
    std::vector<std::string> arguments{"--faction", "Davion",      "--size",   "Company",
                                       "--seed",    "7",           "--reroll", "2",
                                       "--tables",  SHIPPED_TABLES};
    arguments.insert(arguments.end(), c.flags.begin(), c.flags.end());
    const RunResult cli = runProgram(MUSTERWRIGHT_CLI, arguments);
    ASSERT_EQ(cli.status, 0) << cli.err;
    EXPECT_EQ(cli.out, view.listing + "\n");
    EXPECT_NE(view.listing, drawn);
    EXPECT_TRUE(view.caption.ends_with(c.budget.tons.empty() ? " points" : " tons"))
        << view.caption;

    const ForceView rolled = model.reroll(RerollKind::group, {3, 0});
    ASSERT_TRUE(rolled.drew()) << rolled.error;
    EXPECT_TRUE(withinBand(*rolled.force, *rolled.force->budget, *model.designs()));
    model.placeStep(1);
    const ForceRecord kept = *model.shownRecord();
    EXPECT_EQ(kept.budget, c.budget);
    const std::string& caption = view.caption;
    const std::string band = caption.substr(caption.find(" \u00b7 ", caption.find("re-rolled")));
    EXPECT_TRUE(describeRecord(kept).ends_with(band)) << describeRecord(kept);
    model.setBudget({});
    const ForceView again = model.redraw(kept);
    EXPECT_EQ(again.listing, rolled.listing);
    EXPECT_EQ(again.budget, c.budget);
  }
}

// A link may carry at most 1,000 re-rolls; a force that has them refuses the next with the
// engine's words, every kind of re-roll alike, and stays as it was.
TEST(ForceModel, TheThousandAndFirstRerollIsRefused) {
  ForceModel model = modelWith(nullptr, false);
  const Selection company{"Davion", "Company", "", "", false};
  std::string list = "1-3";
  for (int k = 3; k < 1000; ++k) list += ",1.2";
  EXPECT_FALSE(model.generate(company, "4", list + ",2").drew());
  const ForceView drawn = model.generate(company, "4", list);
  ASSERT_TRUE(drawn.drew()) << drawn.error;
  for (const RerollKind kind : {RerollKind::group, RerollKind::otherGroups, RerollKind::slot}) {
    const ForceView refused = model.reroll(kind, {2, 1});
    EXPECT_EQ(refused.error, "This force has 1,000 re-rolls: Generate it again to go on.");
    EXPECT_EQ(model.shown().listing, drawn.listing);
  }
}

// A design list chosen replaces the one found beside the table file until the shipped one is
// chosen again; a refused list changes nothing, and a force kept with another list says so.
TEST(ForceModel, AChosenDesignListIsInUseAndKeptRecordsNameIt) {
  ScratchFolder folder;
  ForceModel model;
  static_cast<void>(model.useTables({bytesOf(SHIPPED_TABLES), SHIPPED_TABLES}));
  const std::string shipped = model.designs()->identity;
  const Selection company{"Davion", "Company", "", "", false};
  const ForceRecord kept = *(model.generate(company, "7"), model.shownRecord());
  EXPECT_EQ(kept.designsIdentity, shipped);

  EXPECT_THROW(model.chooseDesignList(folder.write("Bad.csv", "design,tons\nMailfist,300\n")),
               DesignListError);
  EXPECT_EQ(model.designs()->identity, shipped);
  const DesignListRead read = model.chooseDesignList(
      folder.write("Mine.csv", "design,tons,points\nMailfist,55,1000\nMailfsit,50,900\n"));
  ASSERT_EQ(read.warnings.size(), 2u);
  EXPECT_NE(read.warnings[0].find("line 3: \"Mailfsit\" is in no table"), std::string::npos);
  EXPECT_NE(read.warnings[1].find("the names the rules give battle armour"), std::string::npos);
  EXPECT_EQ(model.designListFile(), folder.path() / "Mine.csv");
  static_cast<void>(model.useTables({bytesOf(SHIPPED_TABLES), SHIPPED_TABLES}));
  EXPECT_EQ(model.designs()->name, "Mine");
  const ForceView redrawn = model.redraw(kept);
  EXPECT_TRUE(mentions(redrawn.notices, "drawn with the design list Designs (")) << redrawn.error;
  EXPECT_NE(redrawn.totals.find("without tons"), std::string::npos) << redrawn.totals;

  static_cast<void>(model.chooseDesignList(std::nullopt));
  EXPECT_EQ(model.designs()->identity, shipped);
  EXPECT_TRUE(model.redraw(kept).notices.empty());
}

// The totals shown follow a design list chosen at once, without a draw; a budgeted force whose
// totals leave its band under that list is told so, its caption keeping the band it was drawn
// in, and its record still names the list it was drawn with. A blank budget box is no budget.
TEST(ForceModel, TotalsFollowANewlyChosenDesignListAtOnce) {
  ScratchFolder folder;
  ForceModel model;
  static_cast<void>(model.useTables({bytesOf(SHIPPED_TABLES), SHIPPED_TABLES}));
  const std::string shipped = model.designs()->identity;
  std::string halved = "design,tons,points\n";
  for (const auto& [folded, row] : model.designs()->designs)
    halved += row.name + ",1," + std::to_string(*row.points / 2) + "\n";
  const Selection company{"Davion", "Company", "", "", false};
  model.setBudget({" \t", "\n"});
  EXPECT_EQ(model.generate(company, "7").caption, "Seed: 7");
  model.setBudget({"16000-18000", ""});
  const ForceView drawn = model.generate(company, "7");
  ASSERT_TRUE(drawn.drew() && model.retotalled().notices.empty()) << drawn.error;

  static_cast<void>(model.chooseDesignList(folder.write("Half.csv", halved)));
  const ForceView half = model.retotalled();
  EXPECT_EQ(half.caption, drawn.caption);
  EXPECT_EQ(model.shown().totals, half.totals);
  EXPECT_TRUE(half.totals.starts_with("Total: 12 tons, ")) << half.totals;
  EXPECT_EQ(half.notices,
            std::vector<std::string>{"Under the design list Half (" +
                                     shortIdentity(half.designs->identity) +
                                     "), this force's totals leave the band it was drawn in, "
                                     "16,000\u201318,000 points: " +
                                     pointsText(half.numbers.force.points) + " points."});
  EXPECT_EQ(model.shownRecord()->designsIdentity, shipped);
  static_cast<void>(model.chooseDesignList(std::nullopt));
  EXPECT_EQ(model.shown().totals, drawn.totals);
  EXPECT_TRUE(model.retotalled().notices.empty());
}

// A chosen design list stays in use over every table file until dropped; then the list found
// beside the table file in use is in use again.
TEST(ForceModel, AChosenDesignListOutlastsTableFiles) {
  ForceModel model;
  static_cast<void>(model.useTables({bytesOf(SHIPPED_TABLES), SHIPPED_TABLES}));
  const std::shared_ptr<const DesignList> found = model.designs();
  ASSERT_NE(found, nullptr);
  const auto chosen =
      std::make_shared<const DesignList>(readDesignList("design,tons,points\nMailfist,40,900\n",
                                                        "mine.csv", "mine", {}, UnknownNames::quiet)
                                             .list);
  model.useDesignList(chosen);
  static_cast<void>(model.useTables({bytesOf(SHIPPED_TABLES), SHIPPED_TABLES}));
  EXPECT_EQ(model.designs(), chosen);
  model.setBudget({"1000", ""});
  EXPECT_NE(model.generate({"Davion", "Lance", "", "", false}, "7").error.find("design list mine"),
            std::string::npos);
  model.useDesignList(nullptr);
  EXPECT_EQ(model.designs()->identity, found->identity);
}

// A list found ahead of useTables is used as it was read, not read again: a front end may read
// it in a step of its own; choosing none reads the folder afresh.
TEST(ForceModel, ADesignListFoundAheadIsUsedAsRead) {
  ScratchFolder folder;
  const std::filesystem::path tables = folder.write("Tables.dat", bytesOf(SHIPPED_TABLES));
  const std::filesystem::path list = folder.write("Designs.csv", "design,tons\nMailfist,55\n");
  const auto ahead = std::make_shared<const FoundDesignList>(foundDesignList(tables));
  folder.write("Designs.csv", "design,tons\nMailfist,60\n");
  ForceModel model;
  static_cast<void>(model.useTables({bytesOf(tables), tables}, ahead));
  ASSERT_NE(model.designs(), nullptr);
  EXPECT_EQ(model.designs()->find("Mailfist")->tonsHundredths, 5500);
  EXPECT_EQ(model.designListFile(), list);
  static_cast<void>(model.chooseDesignList(std::nullopt));
  EXPECT_EQ(model.designs()->find("Mailfist")->tonsHundredths, 6000);
  folder.write("Designs.csv", "design,tons\nMailfist,many\n");
  static_cast<void>(model.useTables({bytesOf(tables), tables}));
  EXPECT_EQ(model.designs(), nullptr);
  EXPECT_EQ(model.designListFile(), list) << "a refused list is still never written over";
  EXPECT_NE(model.designListNotice().find("is not used"), std::string::npos);
}

}  // namespace
