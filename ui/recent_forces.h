// SPDX-License-Identifier: MIT
// The window's Recent list: the forces last drawn (by Generate or a re-roll), newest first,
// each with what it takes to draw it again and the table file it was drawn from, kept across
// runs in the user's settings (QSettings, organisation and application "musterwright").
#ifndef MUSTERWRIGHT_UI_RECENT_FORCES_H
#define MUSTERWRIGHT_UI_RECENT_FORCES_H

#include <QString>
#include <cstdint>
#include <vector>

#include "generator/generate.h"

struct RecentForce {
  // The choices as they stood in the lists (a word, "Random" or empty), the seed and the
  // re-rolls since: generateForce(tables, choices, seed, rerolls) draws the force again.
  Selection choices;
  std::uint32_t seed = 0;
  std::vector<Reroll> rerolls;
  // The file name (without its folder) and checksum (tableChecksum, tables/table_identity.h) of
  // the table file drawn from; "unknown" for an entry kept before checksums were.
  QString tableName;
  QString tableChecksum;
  // The collection drawn from (its name and identity, tables/collection.h), both empty when the
  // force was drawn from every design; `choices.unique` keeps the "each design once" box.
  QString collectionName;
  QString collectionIdentity;
};

// Whether both draw the same force: the same choices, seed and re-rolls from a table file of the
// same checksum, whatever its name, and the same collection identity and "once" box.
bool sameRecentForce(const RecentForce& lhs, const RecentForce& rhs);

// How many forces the list keeps.
constexpr int kRecentForcesKept = 20;

// The list as the settings keep it, each choice read by choiceWord (generator/choice_words.h);
// an entry that cannot be read back (a word in no list, a seed or a re-roll list that is not
// one) is left out, and none kept gives an empty list.
std::vector<RecentForce> loadRecentForces();
// Writes `forces` to the settings in place of the list kept there.
void saveRecentForces(const std::vector<RecentForce>& forces);

// Puts `force` first in `forces`, removing an equal entry further down and the oldest beyond
// kRecentForcesKept.
void addRecentForce(std::vector<RecentForce>& forces, const RecentForce& force);

// One line naming the force for the Recent menu: "Davion, Company, Heavy, Veteran, vehicles ·
// Seed: 42 · re-rolled 2, 3.1" ("Random" standing for an empty choice), with " · collection mine"
// and " · each design once" where drawn so.
QString describeRecentForce(const RecentForce& force);

#endif
