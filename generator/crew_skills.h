// SPDX-License-Identifier: MIT
// The crew skill roll of one slot: one die on the table of the force's experience level.
// A Clan Green crew adds 2 to the die (subtracts 2 when the slot's `mark` is set).
#ifndef MUSTERWRIGHT_GENERATOR_CREW_SKILLS_H
#define MUSTERWRIGHT_GENERATOR_CREW_SKILLS_H

#include <string_view>

#include "generator/force_run.h"
#include "generator/rule_tables.h"

// Whether a crew of `experience` rolls its skills: "Green", "Regular", "Veteran" or "Elite".
bool rollsCrewSkills(std::string_view experience);

// The row that die `die` (1 to 6) gives a crew of `experience`, one that rollsCrewSkills. Green
// looks up the die for a House crew and the die + 2 for a Clan crew, the die - 2 when `mark`
// is set; the other levels look up the die alone. Throws std::logic_error for another word.
const SkillRow& crewSkillsFor(std::string_view experience, bool clan, bool mark, int die);

// Writes `piloting` and `gunnery` of roster slot `slot` (0-based). An `experience` that is
// none of "Green", "Regular", "Veteran", "Elite" draws no roll and leaves them as they were.
void rollCrewSkills(ForceRun& run, int slot);

#endif
