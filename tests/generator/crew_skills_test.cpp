// The crew skill roll: every face of every level's table, the Clan Green modifier, the
// marked Clan Green crew and an experience outside the four levels.
#include "generator/crew_skills.h"

#include <gtest/gtest.h>

#include <string>

#include "generator/generate.h"
#include "support/scripted_dice.h"

namespace {

// The piloting and gunnery digits a slot gets for `die` at `level`.
std::string skillsFor(const char* level, bool clan, int die, bool marked = false) {
  Force force;
  force.experience = level;
  force.isClan = clan;
  force.roster.resize(1);
  force.roster[0].mark = marked;
  ScriptedDice dice({
      {6, die - 1}
  });
  ForceRun run(force, TableText{}, dice.source());
  rollCrewSkills(run, 0);
  return {force.roster[0].piloting, force.roster[0].gunnery};
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
  Force force;
  force.roster.resize(1);
  force.roster[0].piloting = '3';
  force.roster[0].gunnery = '2';
  for (const char* level : {"Random", "green", "", "Elite "}) {
    force.experience = level;
    ScriptedDice none;
    ForceRun run(force, TableText{}, none.source());
    rollCrewSkills(run, 0);
    EXPECT_EQ(force.roster[0].piloting, '3') << level;
    EXPECT_EQ(force.roster[0].gunnery, '2') << level;
  }
}

}  // namespace
