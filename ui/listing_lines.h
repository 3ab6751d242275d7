// SPDX-License-Identifier: MIT
// Which group or slot of a listed force a line of the listing box holds, by the listing's
// shape: four header lines, then for each group a separator line and one line per slot.
#ifndef MUSTERWRIGHT_UI_LISTING_LINES_H
#define MUSTERWRIGHT_UI_LISTING_LINES_H

#include <optional>

#include "generator/force.h"

// The group of line `line` (from 0) as a group re-roll (slot 0) when it is the group's
// separator line, or the slot it lists; none for a header line, a negative line or one past
// the force's `groupCount` groups of `groupSize` slots.
std::optional<Reroll> rerollAtLine(int line, int groupSize, int groupCount);

#endif
