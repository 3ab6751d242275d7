// SPDX-License-Identifier: MIT
// The table searches on crafted files: whole-line matching, what a malformed table lends a
// roll, and the errors at the end of the file.
#include "tables/table_search.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/apstring_stream.h"
#include "generator/generate.h"
#include "support/file_bytes.h"
#include "support/scripted_dice.h"
#include "support/table_files.h"
#include "tables/table_error.h"

namespace {

// A reader over `bytes` with a fresh line buffer holding one blank.
struct Fixture {
  explicit Fixture(const std::string& bytes) : index(bytes, "Tables.dat") {}
  TableIndex index;
  apstring line{" "};
  TableReader reader{index, line};
};

std::string errorOf(const std::function<void()>& search) {
  try {
    search();
  } catch (const TableError& error) {
    return error.what();
  }
  ADD_FAILURE() << "the search did not fail";
  return "";
}

TEST(FactionSearch, MatchesWholeLinesOnly) {
  Fixture f("Wolf \nwolf\nWolfhound\nWolf\nLight\n");
  const std::size_t start = findFaction(f.reader, "Wolf");
  EXPECT_EQ(start, 26u) << "just after the exact line \"Wolf\"";
  findHeading(f.reader, start, "Light", "the Wolf section");
  EXPECT_EQ(f.reader.offset(), 32u);
}

TEST(FactionSearch, HeadingOnTheLastLineWithoutLineFeed) {
  Fixture f("Title\nKurita");
  EXPECT_EQ(findFaction(f.reader, "Kurita"), 12u);
  const std::string error = errorOf([&] { findHeading(f.reader, 12, "Light", "the section"); });
  EXPECT_NE(error.find("no \"Light\" table"), std::string::npos) << error;
}

TEST(FactionSearch, MissingHeadingNamesTheFactionAndTheLastLine) {
  Fixture f("Kurita\nLight\nA\nB\n");
  const std::string error = errorOf([&] { findFaction(f.reader, "Wolf"); });
  EXPECT_EQ(error,
            "Tables.dat: the faction heading \"Wolf\" is missing: the end of the file (line 4) "
            "came first");
}

TEST(FactionSearch, CarriageReturnsAreNamedAsTheCause) {
  Fixture f("Kurita\r\nLight\r\n");
  const std::string error = errorOf([&] { findFaction(f.reader, "Kurita"); });
  EXPECT_NE(error.find("CR LF line ends"), std::string::npos) << error;
}

TEST(HeadingSearch, TestsTheBufferBeforeReadingAndRestartsAtItsOffset) {
  Fixture f("Kurita\nLight\nK1\nK2\nMedium\nM1\n");
  findHeading(f.reader, 7, "Medium", "the Kurita section");
  pickEntry(f.reader, 1, "Medium");
  EXPECT_STREQ(f.line.c_str(), "M1");
  findHeading(f.reader, 7, "Light", "the Kurita section");
  pickEntry(f.reader, 2, "Light");
  EXPECT_STREQ(f.line.c_str(), "K2") << "a later search starts again at its offset";

  f.line = "Light";
  findHeading(f.reader, 7, "Light", "the Kurita section");
  pickEntry(f.reader, 1, "Light");
  EXPECT_STREQ(f.line.c_str(), "Light") << "a buffer already holding the word reads nothing";
}

TEST(HeadingSearch, MissingTableNamesTheSectionStartAndCarriageReturns) {
  Fixture f("Title\nKurita\nLight\nK1\n");
  const std::string error =
      errorOf([&] { findHeading(f.reader, 13, "Assault", "the \"Kurita\" section"); });
  EXPECT_EQ(error,
            "Tables.dat: no \"Assault\" table in the \"Kurita\" section, which starts at line 3: "
            "the end of the file (line 4) came first");

  Fixture crlf("Kurita\r\nLight\r\n");
  const std::string crlfError = errorOf([&] { findHeading(crlf.reader, 8, "Light", "it"); });
  EXPECT_NE(crlfError.find("CR LF line ends"), std::string::npos) << crlfError;
}

TEST(EntryPick, TableCutShortByTheEndOfTheFile) {
  Fixture f("Kurita\nLight\nK1\nK2\nK3");
  findHeading(f.reader, 7, "Light", "the section");
  pickEntry(f.reader, 3, "Light");
  EXPECT_STREQ(f.line.c_str(), "K3") << "a last line without a line feed is whole";
  findHeading(f.reader, 7, "Light", "the section");
  const std::string error = errorOf([&] { pickEntry(f.reader, 5, "Light"); });
  EXPECT_EQ(error,
            "Tables.dat, line 2: table \"Light\" has 3 entries before the end of the file; "
            "entry 5 was rolled, 11 expected");
}

TEST(EntryPick, AfterAFailureTheNextSearchStartsClean) {
  Fixture f("Kurita\nLight\nK1\n");
  errorOf([&] { findFaction(f.reader, "Wolf"); });
  EXPECT_EQ(findFaction(f.reader, "Kurita"), 7u);
  findHeading(f.reader, 7, "Light", "the section");
  pickEntry(f.reader, 1, "Light");
  EXPECT_STREQ(f.line.c_str(), "K1");
}

// Whole runs on crafted files: what a malformed file makes of a roll.
class MalformedTables : public testing::Test {
 protected:
  void openTableFile(const std::filesystem::path& path) { tables = readTableText(path); }
  template <class Dice>
  void generateForce(const Selection& selection, Dice dice) {
    force = ::generateForce(tables, selection, dice);
  }
  // A Kurita lance of one Light slot composition (die 1: all Light) with the given entry
  // rolls, on `bytes`.
  void runLightLance(const std::string& bytes, const std::vector<int>& entries) {
    openTableFile(folder.write("Tables.dat", bytes));
    ScriptedDice dice({
        {10, 0},
        {6,  0}
    });
    for (int entry : entries) dice.then(entrySlot(entry, 1));
    generateForce(Selection{"Kurita", "Lance", "Light", "Elite"}, dice.source());
  }
  ScratchFolder folder;
  TableText tables;
  Force force;
  const apvector<Mech>& roster = force.roster;
};

TEST_F(MalformedTables, EntriesThatBeginWithAHeadingWordAreNoHeadings) {
  std::string text = "Kurita\nLight\nWolf Runner\nLight Lancer\n";
  for (int k = 3; k <= 11; ++k) text += "K" + std::to_string(k) + "\n";
  runLightLance(text, {2, 3, 3, 12});
  EXPECT_STREQ(roster[0].name.c_str(), "Wolf Runner");
  EXPECT_STREQ(roster[1].name.c_str(), "Light Lancer");
  EXPECT_STREQ(roster[3].name.c_str(), "K11");
}

TEST_F(MalformedTables, TenEntryTableLendsTheNextHeadingToRollTwelve) {
  std::string text = "Kurita\n" + weightTable("Kur", "Light", 10) + weightTable("Kur", "Medium");
  runLightLance(text, {12, 2, 2, 2});
  EXPECT_STREQ(roster[0].name.c_str(), "Medium");
  EXPECT_STREQ(roster[1].name.c_str(), "Kur Light 1");
}

TEST_F(MalformedTables, SectionWithoutItsTableBorrowsTheNextOne) {
  std::string text = "Kurita\n" + weightTable("Kur", "Medium") + "Liao\n" +
                     weightTable("Lia", "Light") + "Marik\n" + weightTable("Mar", "Light");
  runLightLance(text, {2, 7, 12, 2});
  EXPECT_STREQ(roster[0].name.c_str(), "Lia Light 1");
  EXPECT_STREQ(roster[2].name.c_str(), "Lia Light 11");
}

TEST_F(MalformedTables, CrLfFileFailsTheRunNamingTheCause) {
  openTableFile(folder.write("Tables.dat", withCrLf(soundTables())));
  try {
    generateForce(Selection{"Kurita", "Lance", "Light", "Elite"}, 5u);
    FAIL() << "a CR LF file matches no heading";
  } catch (const TableError& error) {
    EXPECT_NE(std::string(error.what()).find("CR LF line ends"), std::string::npos) << error.what();
  }
}

TEST_F(MalformedTables, FailedRunLeavesTheFileFitForTheNext) {
  std::string text = soundTables();
  text.replace(text.find("Wolf\n"), 5, "Wulf\n");
  openTableFile(folder.write("Tables.dat", text));
  EXPECT_THROW(generateForce(Selection{"Wolf", "Star", "Light", "Elite"}, 5u), TableError);
  generateForce(Selection{"Kurita", "Lance", "Light", "Elite"}, 5u);
  EXPECT_EQ(std::string(roster[0].name.c_str()).substr(0, 10), "Kur Light ");
}

TEST_F(MalformedTables, VehicleEntryOnTheLastLineWithoutLineFeed) {
  std::string text = soundTables();
  text.pop_back();
  openTableFile(folder.write("Tables.dat", text));
  ScriptedDice dice({
      {10, 0},
      {6,  5}
  });  // Assault lance, die 6: four Assault slots
  for (int k = 0; k < 4; ++k)
    dice.then({
                  {5, 0}
    })
        .then(entrySlot(12, 1));
  generateForce(Selection{"Kurita", "Lance", "Assault", "Elite", true}, dice.source());
  EXPECT_STREQ(roster[3].name.c_str(), "Veh Assault 11");
}

TEST(ReadEntries, EachEntryIsWhatItsPickLeavesAndAShortTableFailsAsItsFirstFailingPick) {
  const std::string eleven = "Light\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11";
  const std::string files[] = {eleven + "\n", eleven, "Light\n1\n2\n3\n4\n5", "Light"};
  for (const std::string& bytes : files) {
    std::vector<apstring> picks;
    std::string pickError;
    for (int k = 1; k <= 11 && pickError.empty(); ++k) {
      Fixture one(bytes);
      findHeading(one.reader, 0, "Light", "the section");
      try {
        pickEntry(one.reader, k, "Light");
        picks.push_back(one.line);
      } catch (const TableError& error) {
        pickError = error.what();
      }
    }
    Fixture all(bytes);
    findHeading(all.reader, 0, "Light", "the section");
    if (pickError.empty()) {
      EXPECT_EQ(readEntries(all.reader, "Light"), picks) << bytes;
    } else {
      EXPECT_EQ(errorOf([&] { (void)readEntries(all.reader, "Light"); }), pickError) << bytes;
    }
  }
}

}  // namespace
