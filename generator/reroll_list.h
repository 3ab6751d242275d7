// SPDX-License-Identifier: MIT
// The short written form of a force's re-rolls, the same in every front end: groups by number,
// slots as group.slot, in order, "2,3.1,2". Whether each names a group or slot of the force is
// for rerollForce (generate.h) to decide.
#ifndef MUSTERWRIGHT_GENERATOR_REROLL_LIST_H
#define MUSTERWRIGHT_GENERATOR_REROLL_LIST_H

#include <string>
#include <string_view>
#include <vector>

#include "generator/force.h"

// The re-rolls that `text` lists, separated by commas; blanks around an item are allowed, and
// an empty (or blank) text lists none. Throws RerollError (generate.h) naming the first item
// that is not a whole number, or two joined by one dot, each below 1000000.
std::vector<Reroll> parseRerolls(std::string_view text);

// One re-roll as written: "2", "3.1".
std::string rerollWord(Reroll reroll);

// The re-rolls as written, joined by `separator`: "2,3.1,2" with ",", "" for none.
std::string rerollList(const std::vector<Reroll>& rerolls, std::string_view separator = ",");

#endif
