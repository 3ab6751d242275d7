// SPDX-License-Identifier: MIT
// The design draw of a force limited to owned copies (a collection, each design once, or both):
// one roll of a whole number from 1 to W, where W adds the entry roll's chances (kEntryChances,
// in 36ths) of the table's entries whose design has a copy left, picks the entry that number
// falls in.
// A design's chance is thus its table weight over the owned weight, in one draw.
#ifndef MUSTERWRIGHT_GENERATOR_OWNED_DRAW_H
#define MUSTERWRIGHT_GENERATOR_OWNED_DRAW_H

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "generator/force.h"
#include "tables/reachable_tables.h"

// Whether a force with `collection` and `unique` draws from owned copies.
bool drawsFromOwned(const std::optional<Collection>& collection, bool unique);

// The copies of `name` owned: its count in `collection` (0 when absent) or 1 without one, at
// most 1 with `unique`. Requires drawsFromOwned.
int copiesOwned(const std::optional<Collection>& collection, bool unique, std::string_view name);

// The entry (1 to the number of weights) that `value`, 1 to the weights' sum, falls in.
int ownedEntry(std::span<const int> weights, int value);

// The copies of each design the force's slots hold now, by folded name (foldedName); an open
// or battle-armour slot holds none.
std::map<std::string, int> copiesInUse(const Force& force);

// The copies left to one run that draws from owned copies: each design's copies owned less
// those the force's slots hold when the run first asks for it, then one less for each draw of
// it. Designs go by number: the walk's numbers (tables/reachable_tables.h), so a walked
// table's entries need no lookup by name, and after them the other names met, in order.
class CopiesLeft {
 public:
  // `reachable` may be null; it and `force` must outlive this.
  CopiesLeft(const Force& force, const ReachableTables* reachable);

  // The number of the design named `name`, in any letter case.
  int designId(std::string_view name);
  int left(int design);
  void take(int design) { --left_[static_cast<std::size_t>(design)]; }

 private:
  const Force& force_;
  const ReachableTables* reachable_;
  std::size_t walked_ = 0;
  std::map<std::string, int> inUse_;
  std::map<std::string, int> otherIds_;
  std::vector<std::string> otherNames_;
  std::vector<int> left_;  // kUnknown (owned_draw.cpp) for a design not yet asked for
};

#endif
