// SPDX-License-Identifier: MIT
#include "generator/owned_draw.h"

#include <algorithm>

#include "generator/rule_tables.h"

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

std::vector<int> ownedWeights(std::span<const apstring> entries,
                              const std::function<bool(const std::string&)>& hasCopy) {
  std::vector<int> weights;
  for (std::size_t k = 0; k < entries.size(); ++k)
    weights.push_back(hasCopy(entries[k].c_str()) ? entryOutcomes(static_cast<int>(k) + 1) : 0);
  return weights;
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
