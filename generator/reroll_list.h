// SPDX-License-Identifier: MIT
// The short written form of a force's re-rolls, the same in every front end: groups by number,
// slots as group.slot, in order, "2,3.1,2"; a run of three or more consecutive whole groups as
// first-last with an ASCII hyphen, "1-6,8-48". A range stands for its groups in ascending order,
// each one place in the list, so "2-4,3" is "2,3,4,3". Whether each item names a group or slot
// of the force is for expandRerolls and rerollForce (generate.h) to decide.
#ifndef MUSTERWRIGHT_GENERATOR_REROLL_LIST_H
#define MUSTERWRIGHT_GENERATOR_REROLL_LIST_H

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "generator/force.h"

// A re-roll that cannot be read or made: not written as one, or a group or slot that the
// force does not have. The message names it and what is expected.
class RerollError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One written item: `reroll` alone while `last` is 0, else every whole group from
// `reroll.group` to `last`.
struct RerollItem {
  Reroll reroll;
  int last = 0;
  bool operator==(const RerollItem&) const = default;
};

// The most groups a force has; no re-roll list reaches beyond them.
extern const int kMostGroups;

// The most re-rolls a force keeps, ranges spelled out: a list that stands for more is refused,
// and so is a re-roll of a force that has them all. It bounds a list's length, not its time.
inline constexpr std::size_t kMostRerolls = 1000;

// How many re-rolls `items` stand for, each range as its groups, without spelling them out.
std::size_t rerollCount(const std::vector<RerollItem>& items);
// Throws RerollError ("the list stands for 1,001 re-rolls, ranges spelled out; a force keeps at
// most 1,000") when rerollCount is above kMostRerolls.
void checkRerollCount(const std::vector<RerollItem>& items);

// The items that `text` lists, separated by commas; blanks around an item are allowed, and an
// empty (or blank) text lists none. Throws RerollError naming the first item that
// is not a whole number, two joined by one dot (a slot, from 1), or two joined by one hyphen (a
// range of groups, from 1, not downward), each number below 1000000.
std::vector<RerollItem> parseRerollItems(std::string_view text);

// The re-rolls that `items` stand for in a force of `groupCount` groups, ranges spelled out.
// Throws RerollError for a range that ends beyond the force ("groups 2-48: the force has groups
// 1 to 3") and for items that stand for more than kMostRerolls, before anything is spelled out;
// single items are rerollForce's to check.
std::vector<Reroll> expandRerolls(const std::vector<RerollItem>& items, int groupCount);

// The re-rolls that `text` lists in a force of `groupCount` groups: both steps above.
std::vector<Reroll> parseRerolls(std::string_view text, int groupCount = kMostGroups);

// One re-roll as written: "2", "3.1".
std::string rerollWord(Reroll reroll);

// The re-rolls as written, joined by `separator`, runs of three or more consecutive whole groups
// as ranges: "2-4,3.1,2" with ",", "" for none.
std::string rerollList(const std::vector<Reroll>& rerolls, std::string_view separator = ",");

#endif
