// SPDX-License-Identifier: MIT
// The listing of a generated force, as every front end shows it: four header lines (the
// resolved house, size, weight and experience words), then for each group a separator
// line holding one blank followed by one line per slot, "<name> P: <piloting> G: <gunnery>"
// ("(open: no Heavy design left)" for an open slot, naming its weight class);
// which group or slot a line lists; and the caption of the seed the force was drawn with.
#ifndef MUSTERWRIGHT_ROSTER_LISTING_H
#define MUSTERWRIGHT_ROSTER_LISTING_H

#include <optional>
#include <string>
#include <vector>

#include "foundation/apstring.h"
#include "foundation/apvector.h"
#include "foundation/mech.h"
#include "generator/force.h"

// The lines for the given selection words and roster; groups are 5 slots when `clan` is
// set and 4 otherwise. 4 + slots + groups lines in all.
std::vector<apstring> listRoster(const apstring& houseWord, const apstring& sizeWord,
                                 const apstring& weightWord, const apstring& experienceWord,
                                 bool clan, const apvector<Mech>& force);

// The lines for `force`.
std::vector<apstring> listForce(const Force& force);

// The group of listing line `line` (from 0) as a group re-roll (slot 0) when it is the group's
// separator line, or the slot it lists; none for a header line, a negative line or one past
// the force's `groupCount` groups of `groupSize` slots.
std::optional<Reroll> rerollAtLine(int line, int groupSize, int groupCount);

// The seed a force was drawn with and its re-rolls, as every front end shows them:
// "Seed: 42", or "Seed: 42 · collection mine (3fa9c1d2) · each design once · re-rolled 2, 3.1, 2"
// (the collection's name and the first 8 digits of its identity, where drawn from one).
std::string seedCaption(const Force& force);

// What to tell the player about the force's open slots: "" when none; else how many stayed open
// and from which tables, "3 slots stayed open (no design left): Kurita Heavy 2, vehicle
// Assault 1", tables in the order their first open slot is listed.
std::string openSlotsNotice(const Force& force);

#endif
