// SPDX-License-Identifier: MIT
#include "foundation/apvector.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "foundation/mech.h"

namespace {

Mech record(const char* name, char piloting, char gunnery) {
  Mech mech;
  mech.name = name;
  mech.weightClass = "Medium";
  mech.piloting = piloting;
  mech.gunnery = gunnery;
  return mech;
}

TEST(Mech, NewRecordIsEmptyUnrolledAndUnmarked) {
  const Mech mech;
  EXPECT_EQ(mech.name.length(), 0);
  EXPECT_EQ(mech.weightClass.length(), 0);
  EXPECT_EQ(mech.piloting, '-');
  EXPECT_EQ(mech.gunnery, '-');
  EXPECT_FALSE(mech.mark);
}

TEST(ApvectorResize, KeepsSharedPositionsAndAddsDefaultRecords) {
  apvector<Mech> roster;
  EXPECT_EQ(roster.length(), 0);

  roster.resize(4);
  for (int k = 0; k < 4; ++k) roster[k] = record("Kept", static_cast<char>('1' + k), '3');
  roster[2].mark = true;

  roster.resize(8);
  ASSERT_EQ(roster.length(), 8);
  for (int k = 0; k < 4; ++k) {
    EXPECT_STREQ(roster[k].name.c_str(), "Kept");
    EXPECT_STREQ(roster[k].weightClass.c_str(), "Medium");
    EXPECT_EQ(roster[k].piloting, '1' + k);
    EXPECT_EQ(roster[k].gunnery, '3');
  }
  EXPECT_TRUE(roster[2].mark) << "all five fields are kept";
  for (int k = 4; k < 8; ++k) {
    EXPECT_EQ(roster[k].name.length(), 0);
    EXPECT_EQ(roster[k].piloting, '-');
  }

  roster[6] = record("Dropped", '5', '5');
  roster.resize(4);
  roster.resize(8);
  EXPECT_EQ(roster[6].name.length(), 0) << "positions beyond a shrink start anew";
  EXPECT_STREQ(roster[3].name.c_str(), "Kept");

  roster.resize(0);
  EXPECT_EQ(roster.length(), 0);
}

TEST(ApvectorIndexDeathTest, BadIndexWritesTheLineAndExitsWithStatusOne) {
  apvector<Mech> roster;
  roster.resize(4);
  EXPECT_EXIT(roster[-1], testing::ExitedWithCode(1), "^Illegal vector index: -1 max index = 3\n$");
  EXPECT_EXIT(roster[4], testing::ExitedWithCode(1), "^Illegal vector index: 4 max index = 3\n$");

  apvector<Mech> eight;
  eight.resize(8);
  EXPECT_EXIT(eight[8], testing::ExitedWithCode(1), "^Illegal vector index: 8 max index = 7\n$");

  apvector<Mech> empty;
  EXPECT_EXIT(empty[0], testing::ExitedWithCode(1), "^Illegal vector index: 0 max index = -1\n$");
}

TEST(ApvectorIndexDeathTest, ExitRunsTheNormalShutDown) {
  struct SaysGoodbye {
    ~SaysGoodbye() { std::fputs("static objects destroyed\n", stderr); }
  };
  EXPECT_EXIT(
      {
        static SaysGoodbye goodbye;
        apvector<Mech> roster;
        roster.resize(2);
        roster[2].name = "never";
      },
      testing::ExitedWithCode(1), "max index = 1\nstatic objects destroyed\n$");
}

TEST(ApvectorIndex, LastIndexIsAccepted) {
  apvector<Mech> roster;
  roster.resize(5);
  roster[4].name = "Last";
  EXPECT_STREQ(roster[4].name.c_str(), "Last");
  const apvector<Mech>& view = roster;
  EXPECT_STREQ(view[4].name.c_str(), "Last");
}

}  // namespace

namespace {

TEST(ApvectorCopy, CopiesAreDeepAndAMovedFromVectorIsEmpty) {
  apvector<Mech> force;
  force.resize(3);
  force[1] = record("Kept", '4', '5');
  apvector<Mech> copy = force;
  copy[1].name = "Changed";
  copy = static_cast<const apvector<Mech>&>(copy);
  EXPECT_STREQ(copy[1].name.c_str(), "Changed") << "assigned to itself";
  const apvector<Mech> moved = std::move(force);
  EXPECT_STREQ(moved[1].name.c_str(), "Kept");
  EXPECT_EQ(force.length(), 0);
}

}  // namespace
