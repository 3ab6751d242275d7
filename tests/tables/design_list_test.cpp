// SPDX-License-Identifier: MIT
// The CSV reader as spreadsheets write CSV, and the design list: its columns, its numbers kept
// exactly, every refusal with its row, warnings for names in no table, one identity however the
// list is written.
#include "tables/design_list.h"

#include <gtest/gtest.h>

#include "tables/csv_reader.h"

namespace {

const std::vector<std::string> kNames{"Mailfist", "Gale Regent", "Malachite", "2 Fast"};

DesignListRead read(const std::string& bytes, UnknownNames unknown = UnknownNames::warn) {
  return readDesignList(bytes, "mine.csv", "mine", kNames, unknown);
}

std::string refusal(const std::string& bytes) {
  try {
    read(bytes);
  } catch (const DesignListError& error) {
    return error.what();
  }
  return "";
}

// clang-format off
TEST(CsvReader, RecordsAndTheLinesTheyStartOn) {
  using Records = std::vector<std::pair<std::size_t, std::vector<std::string>>>;
  const struct { std::string text; Records records; } rows[] = {
      {"a,b\r\nc,\n", {{1, {"a", "b"}}, {2, {"c", ""}}}},
      {"\xEF\xBB\xBF\"x, y\",\"say \"\"hi\"\"\"\r\n", {{1, {"x, y", "say \"hi\""}}}},
      {"\"two\r\nlines\",z\n\nlast", {{1, {"two\r\nlines", "z"}}, {3, {""}}, {4, {"last"}}}},
      {"a\"b,\"\"\r", {{1, {"a\"b", ""}}}},
      {"a,b\rc\r\rd", {{1, {"a", "b"}}, {2, {"c"}}, {3, {""}}, {4, {"d"}}}},
      {"\"x\ry\",z\r\n\"q\"\rw\n", {{1, {"x\ry", "z"}}, {3, {"q"}}, {4, {"w"}}}}};
  for (const auto& row : rows) {
    Records got;
    for (const CsvRecord& record : readCsvRecords(row.text)) got.emplace_back(record.line, record.fields);
    EXPECT_EQ(got, row.records) << row.text;
  }
  for (const auto& [text, line] : {std::pair{"a\n\"b,\nc\n", 2}, {"a\n\"b\"c\n", 2}, {"a\r\"b\rc\"d\r", 3}}) {
    try {
      readCsvRecords(text);
      ADD_FAILURE() << text;
    } catch (const CsvError& error) {
      EXPECT_EQ(error.line(), static_cast<std::size_t>(line)) << text;
    }
  }
}

TEST(DesignList, EveryProblemIsListedWithItsRowAndTheWholeFileRefused) {
  const std::string notText = "mine.csv: the file is not text (UTF-8 without NUL bytes)";
  const struct { std::string text, problems; } rows[] = {
      {"design,tons,points\nMailfist,abc,1\nGale Regent,0,1\nMalachite,200.01,1\n2 Fast,37.125,1\n",
       "mine.csv, line 2: tons \"abc\" of \"Mailfist\" is not a number; write tons as 55 or 37.5\n"
       "mine.csv, line 3: tons \"0\" of \"Gale Regent\" is out of range: above 0 and at most 200\n"
       "mine.csv, line 4: tons \"200.01\" of \"Malachite\" is out of range: above 0 and at most 200\n"
       "mine.csv, line 5: tons \"37.125\" of \"2 Fast\" has more than two decimals"},
      {"design,points\nMailfist,12.5\nMalachite,100000\n,7\n",
       "mine.csv, line 2: points \"12.5\" of \"Mailfist\" is not a whole number\n"
       "mine.csv, line 3: points \"100000\" of \"Malachite\" is out of range: 0 to 99,999\n"
       "mine.csv, line 4: the row names no design"},
      {"design,tons,points\rMailfist,-5,-12\rMalachite,-37.5,-1.5\r",
       "mine.csv, line 2: tons \"-5\" of \"Mailfist\" is out of range: above 0 and at most 200\n"
       "mine.csv, line 2: points \"-12\" of \"Mailfist\" is out of range: 0 to 99,999\n"
       "mine.csv, line 3: tons \"-37.5\" of \"Malachite\" is out of range: above 0 and at most 200\n"
       "mine.csv, line 3: points \"-1.5\" of \"Malachite\" is not a whole number"},
      {"\n,\nDesign,Tons,Points\n , \n\n", "mine.csv, line 3: the header has no rows under it"},
      {"design\r\r", "mine.csv, line 1: the header has no rows under it"},
      {"Mailfist,55,1210\nMalachite,60,1300\n",
       "mine.csv, line 1: the header names none of the columns read: design, tons, points, "
       "weight_class, kind, factions, rarity"},
      {std::string(kMaxDesignListBytes + 1, 'a'), "mine.csv: the file is too large for a design list (over 1 MiB)"},
      {"design\nMailfist\n\nMAILFIST\n", "mine.csv, line 4: \"MAILFIST\" is already on line 2"},
      {"name,tons\nMailfist,40\n",
       "mine.csv, line 1: the header has no \"design\" column; write \"design,tons,points\""},
      {" , \n\n", "mine.csv: the list has no header row; its first row names the columns, "
                  "\"design,tons,points\""},
      {"design\n\"Mailfist\n", "mine.csv, line 2: a quoted field is never closed (a double quote is missing)"},
      {std::string("design\nMail\0fist\n", 17), notText}, {"design\n\xFF\n", notText}};
  for (const auto& row : rows) EXPECT_EQ(refusal(row.text), row.problems) << row.text;
}
// clang-format on

TEST(DesignList, ColumnsInAnyOrderAndCaseNumbersExactOthersNamedOnce) {
  const DesignListRead got = read(
      "\xEF\xBB\xBFNotes,POINTS,Design,Tons,Era\r\n\"big, slow\",1210,mailfist,37.25,x\r\n"
      "a,,Gale Regent,,\r\n,,,,\r\n");
  EXPECT_EQ(got.notices, std::vector<std::string>{"mine.csv: columns not used: Notes, Era"});
  const DesignNumbers* mailfist = got.list.find("MAILFIST");
  ASSERT_NE(mailfist, nullptr);
  EXPECT_EQ(mailfist->name, "Mailfist");
  EXPECT_EQ(mailfist->tonsHundredths, 3725);
  EXPECT_EQ(mailfist->points, 1210);
  const DesignNumbers* regent = got.list.find("gale regent");
  ASSERT_NE(regent, nullptr);
  EXPECT_FALSE(regent->tonsHundredths || regent->points);
  EXPECT_EQ(got.list.designs.size(), 2u);
  EXPECT_EQ(got.list.identity,
            read("design,tons,points\nGale Regent\nMAILFIST,37.25,1210\n").list.identity);
  EXPECT_NE(got.list.identity, read("design,tons,points\nMailfist,37.2,1210\n").list.identity);
}

// A spreadsheet's "CSV (Macintosh)" ends its lines with a CR alone: each is a row of its own.
TEST(DesignList, RowsEndedByACarriageReturnAloneAreRowsWithTheirLines) {
  const DesignListRead got =
      read("design,tons,points\rMailfist,55,1210\r\"Gale\rRegent\",37.5,905\rMalachite,60,1\r");
  ASSERT_EQ(got.list.designs.size(), 3u);
  EXPECT_EQ(got.list.find("Mailfist")->points, 1210);
  EXPECT_EQ(got.list.find("Gale\rRegent")->tonsHundredths, 3750);
  EXPECT_EQ(got.list.find("Malachite")->line, 5u);
  EXPECT_EQ(
      got.list.identity,
      read("design,tons,points\nMailfist,55,1210\n\"Gale\rRegent\",37.5,905\nMalachite,60,1\n")
          .list.identity);
}

TEST(DesignList, ANameInNoTableIsKeptWithAWarningNamingTheNearestWhenAsked) {
  const std::string list = "design,tons\nMailfsit,40\n";
  EXPECT_EQ(read(list).warnings,
            (std::vector<std::string>{"mine.csv, line 2: \"Mailfsit\" is in no table "
                                      "(nearest: Mailfist, Malachite, 2 Fast); kept"}));
  EXPECT_EQ(read(list, UnknownNames::quiet).warnings, std::vector<std::string>{});
  EXPECT_EQ(read(list).list.find("mailfsit")->tonsHundredths, 4000);
}

TEST(DesignList, TonsAreWrittenWithoutTrailingZeros) {
  for (const auto& [hundredths, text] : {
           std::pair{24000, "240"  },
           {3750,  "37.5" },
           {1225,  "12.25"},
           {5,     "0.05" },
           {20000, "200"  }
  })
    EXPECT_EQ(tonsText(hundredths), text);
}

}  // namespace
