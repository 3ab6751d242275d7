// SPDX-License-Identifier: MIT
// The listing of a generated force, as every front end shows it: four header lines (the
// resolved house, size, weight and experience words), then for each group a separator
// line holding one blank followed by one line per slot, "<name> P: <piloting> G: <gunnery>"
// ("(open: no Heavy design left)" for an open slot, naming its weight class);
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

// The lines of a pair, side a and the opposing force side b: side a's listing (listForce) and
// `afterA` (its totals line, say), an empty line, "Opposing force", side b's listing and
// `afterB`, an empty line and `balance` (the balance line).
std::vector<apstring> listPair(const Force& sideA, const std::vector<apstring>& afterA,
                               const Force& sideB, const std::vector<apstring>& afterB,
                               const std::string& balance);

// A line of a pair's listing: its side, and its group (slot 0, the group's separator line) or
// slot.
struct PairLine {
  Side side = Side::a;
  Reroll at;
  bool operator==(const PairLine&) const = default;
};

// Where line `line` (from 0) of listPair's lines lies, `afterLines` lines following each side's
// listing: none for a header line, a line between or after the listings, and a negative line.
std::optional<PairLine> pairLineAt(int line, const Force& sideA, const Force& sideB,
                                   int afterLines);

// The seed a force was drawn with and its re-rolls, as every front end shows them (the window's
// Recent list too): "Seed: 42", or "Seed: 42 · re-rolled 2-4, 3.1, 2".
std::string seedCaption(std::uint32_t seed, const std::vector<Reroll>& rerolls);
// The same with the collection drawn from (its name and identity; none when `identity` is
// empty) and "each design once" before the re-rolls: "Seed: 42 · collection mine (3fa9c1d2) ·
// each design once · re-rolled 2".
std::string seedCaption(std::uint32_t seed, const std::vector<Reroll>& rerolls,
                        const std::string& collectionName, const std::string& identity,
                        bool unique);
// The same for `force`, with the collection it was drawn from and "each design once" before
// the re-rolls, as above, and last the band of a force drawn within a budget (budgetCaption):
// "... · re-rolled 2 · 5,700–6,000 points". The opposing force of a pair (side b) reads
// "Opposing force · Seed: 42 · re-rolled 2 · band 14,346–15,858 points with crew skill".
std::string seedCaption(const Force& force);

// The leading digits of a collection's identity that captions and notices show: "3fa9c1d2".
std::string shortIdentity(const std::string& identity);

// What to tell the player about the force's open slots: "" when none; else how many stayed open
// and from which tables, "3 slots stayed open (no design left): Kurita Heavy 2, vehicle
// Assault 1", tables in the order their first open slot is listed.
std::string openSlotsNotice(const Force& force);

#endif
