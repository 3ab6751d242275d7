// Filling one group of the roster: a lance of four slots (House) or a star of five (Clan).
// One die picks the group's composition row, which gives every slot its weight class; then
// slot by slot a design is picked from the table file and the crew's skills are rolled.
#ifndef MUSTERWRIGHT_GENERATOR_FILL_GROUP_H
#define MUSTERWRIGHT_GENERATOR_FILL_GROUP_H

#include "foundation/apstring.h"

// Fills slots `firstSlot` .. `firstSlot` + groupSize() - 1 (1-based) of `roster`. A
// `groupWeight` that is no weight word writes no slot weight class; "Elemental" and
// "Battle Armor" name every slot "Elemental" or "Battle Suit" and read no table. Every slot's
// `kind` records where its name came from. Requires the roster sized and `houseStart` found;
// throws TableError when a table search fails.
void FillGroup(apstring groupWeight, int firstSlot);

#endif
