// SPDX-License-Identifier: MIT
// The window's Recent list: the forces last drawn (by Generate or a re-roll), newest first,
// each with what it takes to draw it again and the table file it was drawn from, kept across
// runs in the user's settings (QSettings, organisation and application "musterwright").
#ifndef MUSTERWRIGHT_UI_RECENT_FORCES_H
#define MUSTERWRIGHT_UI_RECENT_FORCES_H

#include <QString>
#include <vector>

#include "roster/force_model.h"

// An entry: the choices as they stood in the lists (a word, "Random" or empty), the seed and the
// re-rolls, the table file's name and checksum ("unknown" for an entry kept before checksums
// were), the collection drawn from, the budget and the design list, and the opposing force drawn
// with it (none for an entry kept before pairs were, which reads as a force alone); the model
// (roster/force_model.h) draws it again.
using RecentForce = ForceRecord;

// Whether both draw the same force: the same choices, seed and re-rolls from a table file of the
// same checksum, whatever its name, the same collection identity and "once" box, and the same
// budget as typed from the same design list, and no opposing force or the same one (choices,
// handicap, tolerance, measure and re-rolls).
bool sameRecentForce(const RecentForce& lhs, const RecentForce& rhs);

// How many forces the list keeps.
constexpr int kRecentForcesKept = 20;

// The list as the settings keep it, each choice read by choiceWord (generator/choice_words.h),
// its seed by readSeed (generator/seed_text.h) and its re-rolls by parseRerolls, each then
// written as the model writes them; an entry that cannot be read back (a word in no list, a
// seed or a re-roll list that is not one, a handicap or tolerance out of its bounds) is left out,
// and none kept gives an empty list.
std::vector<RecentForce> loadRecentForces();
// Writes `forces` to the settings in place of the list kept there.
void saveRecentForces(const std::vector<RecentForce>& forces);

// Puts `force` first in `forces`, removing an equal entry further down and the oldest beyond
// kRecentForcesKept.
void addRecentForce(std::vector<RecentForce>& forces, const RecentForce& force);

// One line naming the force for the Recent menu, as describeRecord words it.
QString describeRecentForce(const RecentForce& force);

#endif
