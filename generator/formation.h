// SPDX-License-Identifier: MIT
// The formation step: gives every group of the unit a weight class and hands it to
// FillGroup with its first slot. One group takes the selected weight; two groups roll the
// two-group table; larger units are laid out in blocks of three groups, each block with a
// roll of its own on the three-lance (House) or three-star (Clan) table.
#ifndef MUSTERWRIGHT_GENERATOR_FORMATION_H
#define MUSTERWRIGHT_GENERATOR_FORMATION_H

#include "generator/force_run.h"

// The blocks of three groups that a unit of `groupCount` groups, three or more, is laid out
// in: one formation roll each.
int blockCount(int groupCount);

// Fills the force's `groupCount` groups (requires the roster sized to groupCount *
// groupSize() and the faction's section found) and records each group's weight word in
// `groupWeights`. Reads `isClan` and `weight`.
void formUnit(ForceRun& run, int groupCount);

#endif
