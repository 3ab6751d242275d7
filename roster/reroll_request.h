// SPDX-License-Identifier: MIT
// What a player asks to roll again in a listed force, turned into the force's re-rolls: this
// group, every group but this one ("keep this group"), or this slot. The window's listing menu
// and keys and the page's roster and text buttons all ask here, so each offers the same
// re-rolls and names the group alike.
#ifndef MUSTERWRIGHT_ROSTER_REROLL_REQUEST_H
#define MUSTERWRIGHT_ROSTER_REROLL_REQUEST_H

#include <optional>
#include <vector>

#include "generator/force.h"

enum class RerollKind { group, otherGroups, slot };

// Whether `kind` applies at `at` (a group, slot 0, or a slot of `force`): a group always, the
// other groups only in a force of more than one group, a slot only at a slot.
bool rerollApplies(const Force& force, RerollKind kind, Reroll at);

// The re-rolls that `kind` at `at` asks for: the group {at.group, 0}, every other group in
// group order, or the slot `at`; none where it does not apply. Throws RerollError
// (generator/reroll_list.h) for an `at` outside the force.
std::vector<Reroll> rerollRequest(const Force& force, RerollKind kind, Reroll at);

// The same for listing line `line` (from 0, rerollAtLine in listing.h); none off the force's
// lines.
std::vector<Reroll> rerollRequestAtLine(const Force& force, RerollKind kind, int line);

#endif
