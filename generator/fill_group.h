// SPDX-License-Identifier: MIT
// Filling one group of the roster: a lance of four slots (House) or a star of five (Clan).
// One die picks the group's composition row, which gives every slot its weight class; then
// slot by slot a design is picked from the table file and the crew's skills are rolled.
#ifndef MUSTERWRIGHT_GENERATOR_FILL_GROUP_H
#define MUSTERWRIGHT_GENERATOR_FILL_GROUP_H

#include "foundation/apstring.h"
#include "generator/force_run.h"

// Fills slots `firstSlot` .. `firstSlot` + groupSize() - 1 (1-based) of the run's roster. A
// `groupWeight` that is no weight word writes no slot weight class; "Elemental" and
// "Battle Armor" name every slot "Elemental" or "Battle Suit" and read no table. Every slot's
// `kind` records where its name came from. A force that draws from owned copies
// (generator/owned_draw.h) frees the group's own copies first, then draws each design among
// the entries with a copy left; a slot whose table has none stays open, rolling nothing more.
// Requires the roster sized and `houseStart` found;
// throws TableError when a table search fails.
void FillGroup(ForceRun& run, apstring groupWeight, int firstSlot);

// Fills slot `slot` (0-based) again as FillGroup fills it, keeping its weight class: a design
// and crew drawn afresh (its own copy freed first), or, for a battle-armour slot, the crew
// alone.
void FillSlot(ForceRun& run, int slot);

#endif
