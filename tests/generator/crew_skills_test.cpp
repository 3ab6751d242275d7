// SPDX-License-Identifier: MIT
// The crew skill roll: every face of every level's table, the Clan Green modifier, the
// marked Clan Green crew and an experience outside the four levels; the pairs they can roll, and
// the shipped skill table against the rule its manual page states.
#include "generator/crew_skills.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "foundation/apstring_stream.h"
#include "generator/generate.h"
#include "support/scripted_dice.h"
#include "tables/skill_table.h"

namespace {

// The force whose slots the rolls below fill, and the dice they roll.
Force force;
apstring& experience = force.experience;
bool& isClan = force.isClan;
apvector<Mech>& roster = force.roster;
DiceSource dice;

void useDice(DiceSource source) {
  dice = std::move(source);
}

void rollCrewSkills(int slot) {
  ForceRun run(force, TableText{}, dice);
  ::rollCrewSkills(run, slot);
}

// The piloting and gunnery digits a slot gets for `die` at `level`.
std::string skillsFor(const char* level, bool clan, int die, bool marked = false) {
  experience = level;
  isClan = clan;
  roster.resize(1);
  roster[0].mark = marked;
  ScriptedDice dice({
      {6, die - 1}
  });
  useDice(dice.source());
  rollCrewSkills(0);
  return {roster[0].piloting, roster[0].gunnery};
}

TEST(CrewSkills, EveryFaceOfEveryTable) {
  const char* green[] = {"76", "65", "65", "64", "64", "54"};
  const char* greenClan[] = {"65", "64", "64", "54", "54", "43"};
  const char* regular[] = {"64", "64", "54", "54", "43", "43"};
  const char* veteran[] = {"54", "54", "43", "43", "32", "32"};
  const char* elite[] = {"43", "43", "32", "32", "21", "21"};
  for (int die = 1; die <= 6; ++die) {
    EXPECT_EQ(skillsFor("Green", false, die), green[die - 1]) << die;
    EXPECT_EQ(skillsFor("Green", true, die), greenClan[die - 1]) << die;
    for (const bool clan : {false, true}) {
      EXPECT_EQ(skillsFor("Regular", clan, die), regular[die - 1]) << die;
      EXPECT_EQ(skillsFor("Veteran", clan, die), veteran[die - 1]) << die;
      EXPECT_EQ(skillsFor("Elite", clan, die), elite[die - 1]) << die;
    }
  }
}

TEST(CrewSkills, MarkedClanGreenCrewRollsAtMinusTwo) {
  const char* marked[] = {"77", "77", "76", "65", "65", "64"};
  for (int die = 1; die <= 6; ++die) {
    EXPECT_EQ(skillsFor("Green", true, die, true), marked[die - 1]) << die;
  }
  EXPECT_EQ(skillsFor("Green", false, 1, true), "76") << "the mark means nothing to a House";
}

TEST(CrewSkills, OtherExperienceDrawsNothingAndKeepsTheSkills) {
  roster.resize(1);
  roster[0].piloting = '3';
  roster[0].gunnery = '2';
  for (const char* level : {"Random", "green", "", "Elite "}) {
    experience = level;
    ScriptedDice none;
    useDice(none.source());
    rollCrewSkills(0);
    EXPECT_EQ(roster[0].piloting, '3') << level;
    EXPECT_EQ(roster[0].gunnery, '2') << level;
  }
}

// The shipped table's rule: 100 at piloting 5 and gunnery 4, times 118/100 for each gunnery step
// better than 4 (divided by it for each step worse), times 108/100 the same for piloting,
// rounded half up; worked out exactly in whole numbers.
int ruledPercent(int piloting, int gunnery) {
  std::int64_t numerator = 100, denominator = 1;
  const auto step = [&](int steps, std::int64_t factor) {
    for (int k = 0; k < steps; ++k) numerator *= factor, denominator *= 100;
    for (int k = 0; k > steps; --k) numerator *= 100, denominator *= factor;
  };
  step(4 - gunnery, 118);
  step(5 - piloting, 108);
  return static_cast<int>((2 * numerator + denominator) / (2 * denominator));
}

TEST(CrewSkills, RolledPairsAreEveryRowOfEveryLevelClanGreenSevenSevenIncluded) {
  EXPECT_EQ(rolledCrewPairs(),
            (std::vector<CrewPair>{
                {2, 1},
                {3, 2},
                {4, 3},
                {5, 4},
                {6, 4},
                {6, 5},
                {7, 6},
                {7, 7}
  }));
}

TEST(CrewSkills, ShippedSkillTableFollowsItsRuleAndValuesEveryRolledCrew) {
  const std::filesystem::path file =
      std::filesystem::path(SHIPPED_TABLES).parent_path() / kSkillTableFileName;
  const SkillTableRead read = readSkillTableFile(file, rolledCrewPairs());
  ASSERT_EQ(read.table.percents.size(), 49U);
  EXPECT_EQ(read.warnings, std::vector<std::string>{}) << "the shipped table warns of itself";
  const auto percent = [&](int piloting, int gunnery) {
    return read.table.percents.at({piloting, gunnery});
  };
  EXPECT_EQ(percent(5, 4), 100);
  for (int piloting = 1; piloting <= 7; ++piloting) {
    for (int gunnery = 1; gunnery <= 7; ++gunnery) {
      const int here = percent(piloting, gunnery);
      EXPECT_EQ(here, ruledPercent(piloting, gunnery)) << piloting << "/" << gunnery;
      if (piloting > 1) {
        EXPECT_GE(percent(piloting - 1, gunnery), here) << piloting << gunnery;
      }
      if (gunnery > 1) {
        EXPECT_GE(percent(piloting, gunnery - 1), here) << piloting << gunnery;
      }
      if (piloting > 1 && gunnery > 1) {
        EXPECT_GT(percent(piloting, gunnery - 1), percent(piloting - 1, gunnery))
            << "a gunnery step gains more than a piloting step at " << piloting << gunnery;
      }
    }
  }
  for (const CrewPair& pair : rolledCrewPairs())
    EXPECT_TRUE(read.table.percents.contains(pair)) << pair.piloting << "/" << pair.gunnery;
}

}  // namespace
