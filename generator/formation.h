// SPDX-License-Identifier: MIT
// The formation step: gives every group of the unit a weight class and hands it to
// FillGroup with its first slot, as the unit's formation (formationFor, rule_tables.h) lays
// the groups out: the selected weight for one group, else a roll for each row of groups.
#ifndef MUSTERWRIGHT_GENERATOR_FORMATION_H
#define MUSTERWRIGHT_GENERATOR_FORMATION_H

#include "generator/force_run.h"

// Fills the force's `groupCount` groups (requires the roster sized to groupCount *
// groupSize() and the faction's section found) and records each group's weight word in
// `groupWeights`. Reads `isClan` and `weight`.
void formUnit(ForceRun& run, int groupCount);

#endif
