// SPDX-License-Identifier: MIT
// The crew skill roll of one slot: one die on the table of the force's experience level.
// A Clan Green crew adds 2 to the die (subtracts 2 when the slot's `mark` is set).
#ifndef MUSTERWRIGHT_GENERATOR_CREW_SKILLS_H
#define MUSTERWRIGHT_GENERATOR_CREW_SKILLS_H

#include "generator/force_run.h"

// Writes `piloting` and `gunnery` of roster slot `slot` (0-based). An `experience` that is
// none of "Green", "Regular", "Veteran", "Elite" draws no roll and leaves them as they were.
void rollCrewSkills(ForceRun& run, int slot);

#endif
