// SPDX-License-Identifier: MIT
#include "generator/crew_skills.h"

#include <algorithm>

#include "generator/rule_tables.h"

void rollCrewSkills(ForceRun& run, int slot) {
  const RuleTable<SkillRow>* table = crewSkillTable(run.force.experience.c_str());
  if (!table) return;
  Mech& crew = run.force.roster[slot];
  const SkillRow& row = rollOn(*table, run.dice, Roller{run.force.isClan, crew.mark});
  crew.piloting = row.piloting;
  crew.gunnery = row.gunnery;
}

std::vector<CrewPair> rolledCrewPairs() {
  std::vector<CrewPair> pairs;
  for (const RuleTable<SkillRow>* table : {&kGreen, &kRegular, &kVeteran, &kElite})
    for (const Roller who : {
             Roller{false, false},
             Roller{true,  false},
             Roller{true,  true }
    })
      for (const RowOutcome<SkillRow>& outcome : outcomesOf(*table, who))
        pairs.push_back({outcome.row->piloting - '0', outcome.row->gunnery - '0'});
  std::sort(pairs.begin(), pairs.end());
  pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
  return pairs;
}
