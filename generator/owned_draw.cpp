// SPDX-License-Identifier: MIT
#include "generator/owned_draw.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kUnknown = std::numeric_limits<int>::min();

}  // namespace

bool drawsFromOwned(const std::optional<Collection>& collection, bool unique) {
  return collection.has_value() || unique;
}

int copiesOwned(const std::optional<Collection>& collection, bool unique, std::string_view name) {
  int owned = 1;
  if (collection) {
    const auto found = collection->copies.find(foldedName(name));
    owned = found == collection->copies.end() ? 0 : found->second;
  }
  return unique ? std::min(owned, 1) : owned;
}

int ownedEntry(std::span<const int> weights, int value) {
  int reached = 0;
  for (std::size_t k = 0; k < weights.size(); ++k) {
    reached += weights[k];
    if (value <= reached) return static_cast<int>(k) + 1;
  }
  return static_cast<int>(weights.size());
}

std::map<std::string, int> copiesInUse(const Force& force) {
  std::map<std::string, int> used;
  for (int k = 0; k < force.roster.length(); ++k) {
    const Mech& slot = force.roster[k];
    if (slot.kind == SlotKind::mech || slot.kind == SlotKind::vehicle)
      ++used[foldedName(slot.name.c_str())];
  }
  return used;
}

CopiesLeft::CopiesLeft(const Force& force, const ReachableTables* reachable)
    : force_(force),
      reachable_(reachable),
      walked_(reachable ? reachable->designs.size() : 0),
      inUse_(copiesInUse(force)),
      left_(walked_, kUnknown) {}

int CopiesLeft::designId(std::string_view name) {
  std::string folded = foldedName(name);
  if (reachable_) {
    if (const auto known = reachable_->designIds.find(folded); known != reachable_->designIds.end())
      return known->second;
  }
  const auto [known, added] =
      otherIds_.try_emplace(folded, static_cast<int>(walked_ + otherNames_.size()));
  if (added) {
    otherNames_.push_back(std::move(folded));
    left_.push_back(kUnknown);
  }
  return known->second;
}

int CopiesLeft::left(int design) {
  int& left = left_[static_cast<std::size_t>(design)];
  if (left == kUnknown) {
    const auto at = static_cast<std::size_t>(design);
    const std::string& folded = at < walked_ ? reachable_->designs[at] : otherNames_[at - walked_];
    const auto inUse = inUse_.find(folded);
    left = copiesOwned(force_.collection, force_.unique, folded) -
           (inUse == inUse_.end() ? 0 : inUse->second);
  }
  return left;
}
