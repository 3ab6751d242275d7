// SPDX-License-Identifier: MIT
// A generated force as one value: the choices as the run resolved them, its slots, where its
// faction's section of the table file starts, and what it takes to draw it again (the seed and
// the re-rolls made since). Copies are deep and independent.
#ifndef MUSTERWRIGHT_GENERATOR_FORCE_H
#define MUSTERWRIGHT_GENERATOR_FORCE_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "foundation/apstring.h"
#include "foundation/apvector.h"
#include "foundation/mech.h"
#include "generator/budget_band.h"
#include "generator/dice.h"
#include "tables/collection.h"

// The slots of a group: 5 per star in a Clan force, 4 per lance in a House force.
inline int groupSizeFor(bool clan) {
  return clan ? 5 : 4;
}

// The word for a group, as every front end names it: "Star" in a Clan force, "Lance" in a
// House force; with `lowerCase`, "star" and "lance", as a sentence uses it.
inline const char* groupWord(bool clan, bool lowerCase = false) {
  if (lowerCase) return clan ? "star" : "lance";
  return clan ? "Star" : "Lance";
}

// One re-roll: group `group` (from 1) as a whole while `slot` is 0, else slot `slot` (from 1)
// of that group.
struct Reroll {
  int group = 0;
  int slot = 0;
  bool operator==(const Reroll&) const = default;
};

struct Force {
  // The selection words, "Random" replaced by the rolled word where a roll resolved it.
  apstring house, size, weight, experience;
  bool withVehicles = false;
  bool isClan = false;
  // One record per slot, groups of groupSize() end to end.
  apvector<Mech> roster;
  // The weight word each group was filled with, in group order ("Elemental" or "Battle Armor"
  // for a battle-armour group).
  std::vector<apstring> groupWeights;
  // Byte offset just after the faction's heading line in the table file.
  std::size_t houseStart = 0;
  // The seed of the run (0 for a run on other dice), and the re-rolls since, in order.
  std::uint32_t seed = 0;
  std::vector<Reroll> rerolls;
  // The designs the draws may take: the copies of `collection`, at most one of each with
  // `unique`, every design of the table file once with `unique` alone; any with neither.
  std::optional<Collection> collection;
  bool unique = false;
  // The band the force was drawn within (generator/budget_draw.h); re-rolls keep it.
  std::optional<BudgetBand> budget;
  // Whose dice its tries and re-rolls within the band roll: side b is the opposing force of a
  // pair (generator/dice.h).
  Side side = Side::a;

  int groupSize() const { return groupSizeFor(isClan); }
  int groupCount() const { return roster.length() / groupSize(); }
};

#endif
