// SPDX-License-Identifier: MIT
// The crew skill roll: every face of every level's table, the Clan Green modifier, the
// marked Clan Green crew and an experience outside the four levels.
#include "generator/crew_skills.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/apstring_stream.h"
#include "generator/generate.h"
#include "support/scripted_dice.h"

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

}  // namespace
