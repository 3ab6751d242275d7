// SPDX-License-Identifier: MIT
#include "generator/crew_skills.h"

#include "generator/rule_tables.h"

namespace {

void setSkills(Mech& slot, const SkillRow& row) {
  slot.piloting = row.piloting;
  slot.gunnery = row.gunnery;
}

}  // namespace

void rollCrewSkills(ForceRun& run, int slot) {
  const apstring& experience = run.force.experience;
  Mech& crew = run.force.roster[slot];
  if (experience == apstring("Green")) {
    int result = run.dice.d6();
    if (run.force.isClan) result += crew.mark ? -2 : 2;
    setSkills(crew, rowFor(kGreen, result));
  }
  if (experience == apstring("Veteran")) setSkills(crew, rowFor(kVeteran, run.dice.d6()));
  if (experience == apstring("Regular")) setSkills(crew, rowFor(kRegular, run.dice.d6()));
  if (experience == apstring("Elite")) setSkills(crew, rowFor(kElite, run.dice.d6()));
}
