// SPDX-License-Identifier: MIT
// The collection file: what each kind of line gives, every refusal with its line, warnings for
// names in no table, and one identity however the collection is written.
#include "tables/collection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tables/player_file.h"

namespace {

const std::vector<std::string> kNames{"Mailfist", "2 Fast", "Gale Regent", "Malachite"};

CollectionRead read(const std::string& bytes) {
  return readCollection(bytes, "mine.txt", "mine", kNames);
}

// The problems of a refused collection, one a line; "" when it is read.
std::string refusal(const std::string& bytes) {
  try {
    read(bytes);
  } catch (const CollectionError& error) {
    return error.what();
  }
  return "";
}

// clang-format off
TEST(Collection, LinesGiveCountsAndNames) {
  const struct { std::string text, folded; int copies; } rows[] = {
      {"3 Mailfist\n", "mailfist", 3}, {"Mailfist\n", "mailfist", 1}, {"1 2 Fast\n", "2 fast", 1},
      {"0 mailfist", "mailfist", 0}, {"  99   gale regent  \r\n", "gale regent", 99},
      {"# mine\n\n\t\n7 Mailfist\n", "mailfist", 7}, {"\xEF\xBB\xBF" "2 Mailfist\r\n", "mailfist", 2},
      {"05 Mailfist", "mailfist", 5}};
  for (const auto& row : rows)
    EXPECT_EQ(read(row.text).collection.copies, (std::map<std::string, int>{{row.folded, row.copies}}))
        << row.text;
}

TEST(Collection, EveryProblemIsListedWithItsLineAndTheWholeFileRefused) {
  const std::string none = "mine.txt: the collection names no design; write one a line, \"3 Mailfist\"";
  const std::string notText = "mine.txt: the file is not text (UTF-8 without NUL bytes)";
  const struct { std::string text, problems; } rows[] = {
      {"100 Mailfist\n", "mine.txt, line 1: the count 100 is more than 99 copies"},
      {"3 \n", "mine.txt, line 1: the count 3 names no design; write \"3 Mailfist\""},
      {"Mailfist\n# again\nMAILFIST\n", "mine.txt, line 3: \"MAILFIST\" is already on line 1"},
      {"# nothing\n\n", none}, {"", none}, {"Mail\xFF" "fist\n", notText},
      {std::string("Mail\0fist\n", 10), notText},
      {"123456789012345678901 A\nGale Regent\n2 Gale Regent\n",
       "mine.txt, line 1: the count 123456789012345678901 is more than 99 copies\n"
       "mine.txt, line 3: \"Gale Regent\" is already on line 2"},
      {std::string(kMaxCollectionBytes + 1, '#'), "mine.txt: the file is too large for a collection (over 1 MiB)"}};
  for (const auto& row : rows) EXPECT_EQ(refusal(row.text), row.problems) << row.text;
}
// clang-format on

// A count typed into a front end's box, or copies added to a design's, stand for whole copies
// within what a line may give.
// clang-format off
TEST(Collection, ACountTypedOrAddedUpIsHeldToTheCopiesALineMayGive) {
  const std::pair<double, int> counts[] = {{0, 0}, {7, 7}, {7.9, 7}, {99, 99}, {100, 99},
                                           {1e300, 99}, {-3, 0}, {-0.5, 0}, {std::nan(""), 0}};
  for (const auto& [count, held] : counts) EXPECT_EQ(heldCopies(count), held) << count;
}
// clang-format on

TEST(Collection, ANameInNoTableIsKeptWithAWarningNamingTheNearest) {
  const CollectionRead got = read("Mailfist\n2 Mailfsit\n");
  EXPECT_EQ(got.collection.copies.at("mailfsit"), 2);
  EXPECT_EQ(got.warnings,
            (std::vector<std::string>{"mine.txt, line 2: \"Mailfsit\" is in no table "
                                      "(nearest: Mailfist, Malachite, 2 Fast); kept"}));
  EXPECT_EQ(nearestDesignNames("GALE REGNET", kNames),
            (std::vector<std::string>{"Gale Regent", "Malachite", "Mailfist"}));
  EXPECT_EQ(nearestDesignNames("x", std::vector<std::string>{"Mailfist"}),
            std::vector<std::string>{"Mailfist"});
}

// Names as near keep their order, a nearer name later in the list still wins, and a long
// unknown name is ranked as a short one is.
TEST(Collection, TheNearestNamesAreRankedInFullWhateverTheirLengths) {
  const std::vector<std::string> names{"Abce", "Xbcd", "Abcf", "Abcd",    "Abcg",
                                       "Ab",   "Zzzz", "Abcz", "Abcdefgh"};
  EXPECT_EQ(nearestDesignNames("abcz", names), (std::vector<std::string>{"Abcz", "Abce", "Abcf"}));
  EXPECT_EQ(nearestDesignNames("ABCDEFGHIJ", names),
            (std::vector<std::string>{"Abcdefgh", "Abce", "Abcf"}));
  EXPECT_EQ(nearestDesignNames(std::string(300, 'z') + "ab", names),
            (std::vector<std::string>{"Zzzz", "Ab", "Abcz"}));
  EXPECT_EQ(nearestDesignNames("", names), (std::vector<std::string>{"Ab", "Abce", "Xbcd"}));
}

TEST(Collection, OneCollectionWrittenDifferentlyHasOneIdentity) {
  const std::string identity = read("2 Mailfist\nGale Regent\nNew One\n").collection.identity;
  EXPECT_EQ(read("\xEF\xBB\xBF# mine\r\nnew one\r\n1 GALE REGENT\r\n\r\n02 mailfist\r\n")
                .collection.identity,
            identity);
  EXPECT_NE(read("3 Mailfist\nGale Regent\n").collection.identity, identity);
}

}  // namespace
