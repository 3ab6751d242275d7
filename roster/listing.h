// SPDX-License-Identifier: MIT
// The listing of a generated force, as every front end shows it: four header lines (the
// resolved house, size, weight and experience words), then for each group a separator
// line holding one blank followed by one line per slot, "<name> P: <piloting> G: <gunnery>".
#ifndef MUSTERWRIGHT_ROSTER_LISTING_H
#define MUSTERWRIGHT_ROSTER_LISTING_H

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

#endif
