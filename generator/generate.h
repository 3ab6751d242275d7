// SPDX-License-Identifier: MIT
// The Generate command without its window: turns a selection into a filled force, and rolls
// a group or a slot of a force again. Every run works on its own values only, so runs may go
// on side by side in several threads.
#ifndef MUSTERWRIGHT_GENERATOR_GENERATE_H
#define MUSTERWRIGHT_GENERATOR_GENERATE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "generator/choice_check.h"
#include "generator/choices.h"
#include "generator/dice.h"
#include "generator/force.h"
#include "generator/reroll_list.h"
#include "generator/table_searches.h"
#include "generator/table_text.h"

// One Generate run on `tables` with the dice seeded by `seed`, then the re-rolls of `rerolls`
// in order (rerollForce): the same arguments always give the same force. Throws
// SelectionError before any roll for a word in no list, TableError when the table file lacks
// what a search needs, RerollError for a re-roll outside the force.
Force generateForce(const TableText& tables, const Selection& selection, std::uint32_t seed,
                    const std::vector<Reroll>& rerolls = {});
// The same run with every roll answered by `dice`; the force's seed is 0.
Force generateForce(const TableText& tables, const Selection& selection, DiceSource dice);
// The run for `seed` reading the table file through `reading`, fresh for it (the tests' and
// the benchmark's other readings of the same searches).
Force generateForce(TableSearches& reading, const Selection& selection, std::uint32_t seed);

// Rolls group `reroll.group` of `force` again (its composition roll, designs and crews, the
// group keeping its weight class), or slot `reroll.slot` of it (design and crew; a
// battle-armour slot keeps its name and draws only its crew); the rest of the force stays
// byte for byte. The dice are rerollDice(force.seed, the re-roll's place in force.rerolls),
// and the re-roll is appended there. Throws RerollError, the force untouched, for a group or
// slot outside it or a force that has kMostRerolls re-rolls already (checkRerollRoom), and
// TableError when a search fails (the force then unfit for listing).
void rerollForce(Force& force, const TableText& tables, Reroll reroll);
// The same with every roll answered by `dice`.
void rerollForce(Force& force, const TableText& tables, Reroll reroll, DiceSource dice);

// Why `more` re-rolls cannot be made in `force`, when they would give it more than kMostRerolls:
// "This force has 1,000 re-rolls: Generate it again to go on." (or how many it has and that
// these would pass the bound); "" while they fit.
std::string rerollRoomRefusal(const Force& force, std::size_t more);
// Throws RerollError with rerollRoomRefusal when it is not "". rerollForce checks it for each
// re-roll it makes.
void checkRerollRoom(const Force& force, std::size_t more);

// Throws RerollError, naming it and the valid range ("group 9: the force has groups 1 to 3"),
// when `reroll` is a group or slot that `force` does not have.
void checkReroll(const Force& force, Reroll reroll);

// rerollForce for every re-roll that `items` stand for in `force` (expandRerolls,
// reroll_list.h), in order. Throws RerollError, the force untouched, when one of them is outside
// the force (a range before it is spelled out) or they would pass kMostRerolls, and TableError
// as rerollForce does.
void rerollForce(Force& force, const TableText& tables, const std::vector<RerollItem>& items);

#endif
