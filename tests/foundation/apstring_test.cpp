// SPDX-License-Identifier: MIT
#include "foundation/apstring.h"
#include "foundation/apstring_stream.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

TEST(ApstringCapacity, ConstructionCopyAndAssignmentFollowTheRules) {
  const apstring empty;
  EXPECT_EQ(empty.length(), 0);
  EXPECT_EQ(empty.capacity(), 1);
  EXPECT_STREQ(empty.c_str(), "");
  EXPECT_EQ(empty, apstring(""));

  apstring weight("Light");
  EXPECT_EQ(weight.capacity(), 6);
  weight = "Medium";
  EXPECT_EQ(weight.capacity(), 7);
  weight = "Light";
  EXPECT_EQ(weight.length(), 5);
  EXPECT_EQ(weight.capacity(), 7) << "assignment never shrinks";

  const apstring copy(weight);
  EXPECT_EQ(copy.capacity(), 6) << "a copy does not take the source's spare room";
  EXPECT_EQ(copy, weight);

  apstring fromString;
  fromString = apstring("Assault");
  EXPECT_EQ(fromString.capacity(), 8);
  fromString = copy;
  EXPECT_EQ(fromString.capacity(), 8);
  EXPECT_STREQ(fromString.c_str(), "Light");

  apstring single;
  single = 'x';
  EXPECT_EQ(single.capacity(), 2);
  EXPECT_STREQ(single.c_str(), "x");
  apstring roomy("Heavy");
  roomy = 'H';
  EXPECT_EQ(roomy.length(), 1);
  EXPECT_EQ(roomy.capacity(), 6);
}

TEST(ApstringCapacity, AppendingGrowsExactlyOrDoublesForOneCharacter) {
  apstring three("abc");
  three = "abc";  // length 3, capacity 4
  apstring oneMore(three);
  oneMore += 'd';
  EXPECT_EQ(oneMore.length(), 4);
  EXPECT_EQ(oneMore.capacity(), 10);

  apstring oneMoreAsString(three);
  oneMoreAsString += apstring("d");
  EXPECT_EQ(oneMoreAsString.capacity(), 10) << "a one-character string doubles like a char";

  apstring twoMore(three);
  twoMore += apstring("de");
  EXPECT_EQ(twoMore.length(), 5);
  EXPECT_EQ(twoMore.capacity(), 6);

  oneMore += 'e';  // length 5 is below capacity 10: no growth
  EXPECT_EQ(oneMore.capacity(), 10);
  EXPECT_STREQ(oneMore.c_str(), "abcde");

  apstring nothing("ab");
  nothing += apstring();
  EXPECT_EQ(nothing.capacity(), 3) << "appending \"\" to a full buffer: m + 1 exactly";
}

TEST(ApstringCopies, AreDeepAndSelfOperationsAreSafe) {
  apstring original("Kurita");
  apstring copy(original);
  original += 'X';
  EXPECT_STREQ(copy.c_str(), "Kurita");

  apstring& alias = copy;
  copy = alias;
  EXPECT_STREQ(copy.c_str(), "Kurita");
  EXPECT_EQ(copy.capacity(), 7);

  apstring pair("ab");
  pair += pair;
  EXPECT_STREQ(pair.c_str(), "abab");
  EXPECT_EQ(pair.length(), 4);
  EXPECT_EQ(pair.capacity(), 5);

  apstring one("z");
  one += one;
  EXPECT_STREQ(one.c_str(), "zz");
  EXPECT_EQ(one.capacity(), 6);

  apstring suffix("Smoke Jaguar");
  suffix = suffix.c_str() + 6;
  EXPECT_STREQ(suffix.c_str(), "Jaguar");
}

TEST(ApstringOperators, ConcatenationEqualityAndOutput) {
  const apstring line = apstring("Elemental") + apstring(" P: ") + '4' + apstring(" G: ") + '3';
  EXPECT_STREQ(line.c_str(), "Elemental P: 4 G: 3");

  EXPECT_NE(apstring("kurita"), apstring("Kurita"));
  EXPECT_NE(apstring("Light "), apstring("Light"));
  EXPECT_NE(apstring("Light\r"), apstring("Light"));
  EXPECT_EQ(apstring("Wolf"), apstring("Wolf"));
  EXPECT_FALSE(apstring("Wolf") != apstring("Wolf"));

  std::ostringstream out;
  out.width(20);
  out << apstring(" ") << apstring("Heavy");
  EXPECT_EQ(out.str(), " Heavy") << "no padding, no line end";

  apstring withNul("ab");
  withNul += '\0';
  EXPECT_EQ(withNul.length(), 2) << "a NUL byte cannot be held";
}

TEST(ApstringDeathTest, NullTextEndsTheProgramNamingTheCondition) {
  const char* none = nullptr;
  EXPECT_DEATH({ apstring fromNull(none); }, "s != 0");
  EXPECT_DEATH(
      {
        apstring target("x");
        target = none;
      },
      "s != 0");
}

// Reads every line of `bytes` the way the table searches do, recording the stream's state.
struct ReadResult {
  std::string line;
  bool good;
  bool eof;
};

ReadResult readOne(std::istream& in) {
  apstring line(" ");
  getline(in, line);
  return {line.c_str(), in.good(), in.eof()};
}

TEST(ApstringGetline, DeliversLinesByteForByteAndReportsTheEnd) {
  std::istringstream file(std::string("Kurita\nLight"));
  ReadResult first = readOne(file);
  EXPECT_EQ(first.line, "Kurita");
  EXPECT_TRUE(first.good);
  ReadResult last = readOne(file);
  EXPECT_EQ(last.line, "Light") << "a last line without a line feed is delivered whole";
  EXPECT_TRUE(last.eof);
  EXPECT_TRUE(file.fail());
  ReadResult past = readOne(file);
  EXPECT_EQ(past.line, "");
  EXPECT_TRUE(file.fail()) << "the reader never clears the stream's state";

  std::istringstream crlf(std::string("Light\r\nHeavy\n"));
  ReadResult withCr = readOne(crlf);
  EXPECT_EQ(withCr.line, "Light\r");
  EXPECT_NE(apstring(withCr.line.c_str()), apstring("Light"));

  std::istringstream blank(std::string("\nWolf\n"));
  ReadResult empty = readOne(blank);
  EXPECT_EQ(empty.line, "");
  EXPECT_TRUE(empty.good);
  EXPECT_EQ(readOne(blank).line, "Wolf");
  ReadResult atEnd = readOne(blank);
  EXPECT_EQ(atEnd.line, "");
  EXPECT_TRUE(blank.fail());

  std::istringstream failed(std::string("Steiner\n"));
  failed.setstate(std::ios::failbit);
  EXPECT_EQ(readOne(failed).line, "") << "a failed stream yields \"\" at once";
  failed.clear();
  EXPECT_EQ(readOne(failed).line, "Steiner") << "nothing was consumed while failed";
}

TEST(ApstringGetline, KeepsTheBufferCapacity) {
  std::istringstream file(std::string("ab\nc\n"));
  apstring line("a longer earlier line");
  getline(file, line);
  EXPECT_EQ(line.capacity(), 22);
  getline(file, line);
  EXPECT_STREQ(line.c_str(), "c");
  EXPECT_EQ(line.capacity(), 22);
}

}  // namespace
