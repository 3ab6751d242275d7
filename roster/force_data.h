// SPDX-License-Identifier: MIT
// A generated force as data, for scripts and spreadsheets: what the listing
// shows, plus each slot's group, weight class and kind ("mech", "vehicle" or "battle
// armour", or "open" for a slot left open, as the engine recorded it). A battle-armour slot, whose
// record holds no weight class, gives the force's weight word ("Elemental" or "Battle Armor"):
// battle armour only ever fills the one group of a single-group force, whose weight that word is.
#ifndef MUSTERWRIGHT_ROSTER_FORCE_DATA_H
#define MUSTERWRIGHT_ROSTER_FORCE_DATA_H

#include <string>

#include "generator/force.h"
#include "roster/force_pair.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

// A slot's kind as the data names it: "mech", "vehicle", "battle armour" or "open".
const char* slotKindWord(SlotKind kind);

// A slot's weight class; for battle armour, the force's weight word (see above).
std::string slotWeightClass(const Force& force, const Mech& slot);

// One JSON object, ended by a line feed: "seed", "rerolls" (an array of the re-rolls as
// written, "2" or "3.1", in order, a range of groups as each of its groups; empty when there
// were none), "faction", "size", "weight", "experience" (the resolved words, as the listing
// shows them), "vehicles" and "clan" (booleans) and "groups", an array of {"weight_class" (the
// weight word the group was filled with, "Elemental" or "Battle Armor" for battle armour),
// "slots": [...]}, each slot {"design",
// "weight_class", "kind", "piloting", "gunnery"} with the two skills as numbers (an open
// slot: kind "open", design "", skills null). A force drawn from owned copies adds
// "collection" ({"name", "identity"}, or null) and "unique"; a force drawn within a budget adds
// "budget": {"points": {"low", "high"}, "tons": {"low", "high"}, "skill_points": {"low",
// "high"}}, each part where the band has it. Bytes of a design name that are no
// UTF-8 come out as U+FFFD.
// The numbers of `designs` and `skills` (force_totals.h) follow: each slot gains "tons", "points"
// and "skill_points" (null where unknown; tons a whole number or one with its decimals), each
// group and the force gain "totals": {"tons", "points", "skill_points", "without_tons",
// "without_points", "without_skill_points", "open"} (the two of crew skill null without a skill
// table), and the force "designs" and "skills": {"name", "identity"} of the list and the table,
// each null without one.
std::string forceJson(const Force& force, const DesignList* designs = nullptr,
                      const SkillTable* skills = nullptr);

// CSV as RFC 4180 has it: the header
// "group,slot,design,weight_class,kind,piloting,gunnery,tons,points", then one row per slot,
// group and slot numbered from 1 (the slot within its group); every line ends in CR LF (an open
// slot: kind "open", design and skills empty), and a field holding a comma, a double quote, CR
// or LF is quoted with its double quotes doubled. Tons (as tonsText) and points (digits) come
// from `designs`, empty where unknown. With a skill table, a column "skill_points" follows
// "points": each slot's points with crew skill, empty where unknown.
std::string forceCsv(const Force& force, const DesignList* designs = nullptr,
                     const SkillTable* skills = nullptr);

// A pair (roster/force_pair.h) as JSON: side a's object as forceJson gives it, then "opponent",
// side b's object in the same shape (its "budget" holding the band), and "balance": {"measure"
// ("points", "tons" or "skill_points"), "side_a", "side_b", "low", "high" (tons with their
// decimals), "handicap", "tolerance", "percent" (side b over side a, one decimal; null while
// side a's total is 0), "in_band" (false when side b lies outside the band of side a's total
// now)}.
std::string forcePairJson(const ForcePair& pair, const DesignList* designs = nullptr,
                          const SkillTable* skills = nullptr);

// A pair as CSV: forceCsv's header and rows with a first column "side", "A" for side a's slots,
// then "B" for side b's. The balance is not carried.
std::string forcePairCsv(const ForcePair& pair, const DesignList* designs = nullptr,
                         const SkillTable* skills = nullptr);

#endif
