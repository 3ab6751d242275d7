// SPDX-License-Identifier: MIT
// Gives the eleven entries of one weight table to a list of designs so that each design's
// chance comes as close as it can to its share of the list's rarity weights. Pure arithmetic
// on whole numbers: the same list always gives the same entries.
#ifndef MUSTERWRIGHT_TABLES_ENTRY_LAYOUT_H
#define MUSTERWRIGHT_TABLES_ENTRY_LAYOUT_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "tables/table_layout.h"

// The entries of one table. Designs are named by their index in the list given.
struct EntryLayout {
  std::array<std::size_t, kTableEntries> entryDesign{};  // the design on each entry, roll order
  std::vector<int> chances;          // each listed design's chance in 36ths; 0 when left out
  std::vector<std::size_t> leftOut;  // the designs left out, in list order
  std::vector<std::size_t> kept;     // the designs on the table, in list order
};

// Lays out one table for designs whose rarity weights are `rarities` (each above 0, at most
// 10^8; at least one design). At most eleven designs are kept: beyond that the rarest are left
// out, of equal rarity the last listed. Each kept design asks for its share of the kept
// designs' weights, 36 * w / W in 36ths; the entries go so that the sum over the kept designs
// of |chance given - chance asked| is the least possible, every kept design on at least one
// entry. Among equally close layouts the first listed design takes the likelier entries: its
// entries' chances, from the largest down, are compared as words in a dictionary (a longer run
// with the same start is greater), then the second design's, and so on. Of the two entries of
// equal chance (rolls 2 and 12, 3 and 11, ...), the lower roll goes to the design listed first.
[[nodiscard]] EntryLayout layoutEntries(std::span<const std::int64_t> rarities);

#endif
