// SPDX-License-Identifier: MIT
// The listing of a generated force, as every front end shows it: four header lines (the
// resolved house, size, weight and experience words), then for each group a separator
// line holding one blank followed by one line per slot, "<name> P: <piloting> G: <gunnery>";
// which group or slot a line lists; and the caption of the seed the force was drawn with.
#ifndef MUSTERWRIGHT_ROSTER_LISTING_H
#define MUSTERWRIGHT_ROSTER_LISTING_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundation/apstring.h"
#include "generator/force.h"

// The lines for `force`: 4 + slots + groups lines in all, groups of force.groupSize() slots.
std::vector<apstring> listForce(const Force& force);

// The group of listing line `line` (from 0) as a group re-roll (slot 0) when it is the group's
// separator line, or the slot it lists; none for a header line, a negative line or one past
// the force's `groupCount` groups of `groupSize` slots.
std::optional<Reroll> rerollAtLine(int line, int groupSize, int groupCount);

// The seed a force was drawn with and its re-rolls, as every front end shows them (the window's
// Recent list too): "Seed: 42", or "Seed: 42 · re-rolled 2-4, 3.1, 2".
std::string seedCaption(std::uint32_t seed, const std::vector<Reroll>& rerolls);
// The same for `force`'s seed and re-rolls.
std::string seedCaption(const Force& force);

#endif
