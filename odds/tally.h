// SPDX-License-Identifier: MIT
// Two helpers of the odds: a tally of exact figures by key that keeps the keys in the order
// they were first met, and a walk over every way some dice can fall, each with its chance.
#ifndef MUSTERWRIGHT_ODDS_TALLY_H
#define MUSTERWRIGHT_ODDS_TALLY_H

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

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

// Calls visit(total, chance) for every way `dice` rolls of `sides`, each plus 1, can fall.
template <class Visit>
void forEachTotal(int dice, int sides, Visit visit) {
  const Fraction each(1, sides);
  const auto step = [&](auto& self, int left, int total, const Fraction& chance) -> void {
    if (left == 0) return visit(total, chance);
    for (int face = 1; face <= sides; ++face) self(self, left - 1, total + face, chance * each);
  };
  step(step, dice, 0, Fraction(1));
}

#endif
