// SPDX-License-Identifier: MIT
// The crew skill roll of one slot: one die on the skill table of the force's experience level
// (crewSkillTable, rule_tables.h), with that table's Clan modifier for a Clan crew.
#ifndef MUSTERWRIGHT_GENERATOR_CREW_SKILLS_H
#define MUSTERWRIGHT_GENERATOR_CREW_SKILLS_H

#include "generator/force_run.h"

// Writes `piloting` and `gunnery` of roster slot `slot` (0-based). An `experience` that is
// none of "Green", "Regular", "Veteran", "Elite" draws no roll and leaves them as they were.
void rollCrewSkills(ForceRun& run, int slot);

#endif
