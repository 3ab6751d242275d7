// SPDX-License-Identifier: MIT
#include "generator/crew_skills.h"

#include "generator/rule_tables.h"

void rollCrewSkills(ForceRun& run, int slot) {
  const RuleTable<SkillRow>* table = crewSkillTable(run.force.experience.c_str());
  if (!table) return;
  Mech& crew = run.force.roster[slot];
  const SkillRow& row = rollOn(*table, run.dice, Roller{run.force.isClan, crew.mark});
  crew.piloting = row.piloting;
  crew.gunnery = row.gunnery;
}
