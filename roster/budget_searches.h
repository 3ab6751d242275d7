// SPDX-License-Identifier: MIT
// What the searches of budgeted draws found, kept by what each search depends on, so that the
// same search asked again is answered at once. A front end that must not wait for a search on
// the thread that answers the player (the page) lets an engine of its own in the background make
// it: that engine's model finds the try, the front end hands what it found to its own model,
// which then draws that very try, byte for byte the force the search found, without searching.
// A key names every input of one search (the table file's bytes, the design list, the skill table
// for a band in points with crew skill, the choices with the collection, the seed, the band, and
// for a re-roll the whole force before it and the re-roll), so a try kept for one search is
// never taken for another.
#ifndef MUSTERWRIGHT_ROSTER_BUDGET_SEARCHES_H
#define MUSTERWRIGHT_ROSTER_BUDGET_SEARCHES_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/budget_band.h"
#include "generator/choices.h"
#include "generator/force.h"
#include "generator/reroll_list.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

// What one search found: the first try within the band, or none in kBudgetTries tries, and then
// the refusal the player is told (which names the band's chance, itself long to count).
struct SearchOutcome {
  std::optional<int> attempt;
  std::string refusal;
  bool operator==(const SearchOutcome&) const = default;
};

// A search that a model was told to leave to another engine (BudgetSearches::searchHere); nothing
// was drawn or changed.
class SearchElsewhere : public std::runtime_error {
 public:
  SearchElsewhere() : std::runtime_error("A budgeted draw needs a search made elsewhere.") {}
};

class BudgetSearches {
 public:
  // The most outcomes kept; past it the oldest go first. A force's draw and every re-roll it may
  // hold (kMostRerolls) each keep one, so a force at its most is drawn again from them all.
  static constexpr std::size_t kKept = 1024;
  static_assert(kKept > kMostRerolls, "a force's draw and all its re-rolls must stay kept");

  // The outcome kept under `key`; null when none is.
  const SearchOutcome* find(std::string_view key) const;
  // Keeps `outcome` under `key`, in place of any kept there.
  void keep(std::string key, SearchOutcome outcome);
  // Every outcome kept, oldest first, as another engine's model takes them (keep each).
  const std::vector<std::pair<std::string, SearchOutcome>>& all() const { return kept_; }

  // Whether a search with no outcome kept is made here (the default) or refused with
  // SearchElsewhere, for another engine to make.
  bool searchHere = true;

 private:
  std::vector<std::pair<std::string, SearchOutcome>> kept_;
};

// The key of the first draw of `choices` (the collection's identity standing for its copies)
// with `seed` within `band`, from the table file whose checksum is `tablesChecksum`
// (tableChecksum), the tons and points of `designs` and, for a band in points with crew skill,
// the percents of `skills`, on the dice of `side`. Never throws but for lack of memory.
std::string drawSearchKey(std::string_view tablesChecksum, const Selection& choices,
                          std::uint32_t seed, const BudgetBand& band, const DesignList& designs,
                          const SkillTable* skills, Side side = Side::a);

// The key of re-roll `reroll` of `force`, which lies within its band: every field of the force
// that a re-roll reads or keeps, its side, its slots and re-rolls so far among them.
std::string rerollSearchKey(std::string_view tablesChecksum, const Force& force, Reroll reroll,
                            const DesignList& designs, const SkillTable* skills);

#endif
