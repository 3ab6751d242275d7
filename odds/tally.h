// SPDX-License-Identifier: MIT
// Two helpers of the odds: a tally of exact figures by key that keeps the keys in the order
// they were first met, and a walk over the rows of a rule table that a roll reaches, each with
// its chance.
#ifndef MUSTERWRIGHT_ODDS_TALLY_H
#define MUSTERWRIGHT_ODDS_TALLY_H

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

#include "generator/rule_table.h"
#include "odds/fraction.h"

// Figures by key, kept in the order the keys were first met.
template <class Key>
class Tally {
 public:
  void add(const Key& key, const Fraction& amount) {
    const auto [at, added] = index_.try_emplace(key, entries_.size());
    if (added) {
      entries_.emplace_back(key, amount);
    } else {
      entries_[at->second].second += amount;
    }
  }
  const std::vector<std::pair<Key, Fraction>>& entries() const { return entries_; }

 private:
  std::map<Key, std::size_t> index_;
  std::vector<std::pair<Key, Fraction>> entries_;
};

// Calls visit(row, chance) for every row of a rule table that a roll reaches, as `outcomes`
// (outcomesOf, generator/rule_table.h) counts them, in row order.
template <class Row, class Visit>
void forEachRow(const std::vector<RowOutcome<Row>>& outcomes, Visit visit) {
  for (const RowOutcome<Row>& outcome : outcomes)
    visit(*outcome.row, Fraction(outcome.ways, outcome.outOf));
}

#endif
