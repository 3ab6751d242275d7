// SPDX-License-Identifier: MIT
#include "tables/entry_layout.h"

#include <algorithm>
#include <limits>

namespace {

// A table's entries taken as a bag of chances: how many entries of chance 1, 2, ... 6 a design
// holds. Entries of equal chance are interchangeable for the closeness, so the search runs over
// bags (486 of them) instead of over the 11 entries one by one.
constexpr int kLargestChance = *std::max_element(kEntryChances.begin(), kEntryChances.end());
// How many entries have each chance: {2, 2, 2, 2, 2, 1}.
constexpr std::array<int, kLargestChance> kMostOfChance = [] {
  std::array<int, kLargestChance> most{};
  for (const int chance : kEntryChances) ++most[static_cast<std::size_t>(chance - 1)];
  return most;
}();

struct Bag {
  std::array<int, kLargestChance> count{};  // count[v - 1]: entries of chance v
  int chance = 0;                           // the sum of the entries' chances
  std::vector<int> likeliestFirst;          // the entries' chances, largest first
};

struct Bags {
  std::vector<Bag> all;                          // every bag, by its number
  std::vector<std::vector<std::size_t>> within;  // per bag, the non-empty bags it holds
  std::size_t whole = 0;                         // the bag of all eleven entries
};

std::size_t bagNumber(const std::array<int, kLargestChance>& count) {
  std::size_t number = 0;
  for (int v = kLargestChance - 1; v >= 0; --v)
    number = number * static_cast<std::size_t>(kMostOfChance[v] + 1) +
             static_cast<std::size_t>(count[v]);
  return number;
}

Bags makeBags() {
  Bags bags;
  std::array<int, kLargestChance> count{};
  while (true) {
    Bag bag{count, 0, {}};
    for (int v = kLargestChance; v >= 1; --v) {
      bag.chance += v * count[v - 1];
      bag.likeliestFirst.insert(bag.likeliestFirst.end(), count[v - 1], v);
    }
    bags.all.push_back(bag);
    int v = 0;
    while (v < kLargestChance && count[v] == kMostOfChance[v]) count[v++] = 0;
    if (v == kLargestChance) break;
    ++count[v];
  }
  bags.whole = bagNumber(kMostOfChance);
  bags.within.resize(bags.all.size());
  for (std::size_t outer = 0; outer < bags.all.size(); ++outer) {
    for (std::size_t inner = 1; inner < bags.all.size(); ++inner) {
      bool holds = true;
      for (int v = 0; v < kLargestChance; ++v)
        holds = holds && bags.all[inner].count[v] <= bags.all[outer].count[v];
      if (holds) bags.within[outer].push_back(inner);
    }
  }
  return bags;
}

const Bags& bags() {
  static const Bags made = makeBags();
  return made;
}

std::size_t without(std::size_t outer, std::size_t inner) {
  std::array<int, kLargestChance> count{};
  for (int v = 0; v < kLargestChance; ++v)
    count[v] = bags().all[outer].count[v] - bags().all[inner].count[v];
  return bagNumber(count);
}

// The designs kept on the table: all of them up to eleven, else the eleven least rare, of equal
// rarity the first listed.
std::vector<std::size_t> keptDesigns(std::span<const std::int64_t> rarities) {
  std::vector<std::size_t> order(rarities.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return rarities[a] > rarities[b]; });
  order.resize(std::min<std::size_t>(order.size(), kTableEntries));
  std::sort(order.begin(), order.end());
  return order;
}

}  // namespace

EntryLayout layoutEntries(std::span<const std::int64_t> rarities) {
  EntryLayout layout;
  layout.kept = keptDesigns(rarities);
  layout.chances.assign(rarities.size(), 0);
  for (std::size_t k = 0; k < rarities.size(); ++k)
    if (!std::binary_search(layout.kept.begin(), layout.kept.end(), k)) layout.leftOut.push_back(k);

  // Distances are scaled by the kept weights' sum W: |W * chance - 36 * w| stays whole (chances
  // in 36ths, kEntryOutcomes).
  const std::size_t n = layout.kept.size();
  std::int64_t total = 0;
  for (const std::size_t k : layout.kept) total += rarities[k];
  const auto distance = [&](std::size_t i, int chance) {
    const std::int64_t gap = total * chance - kEntryOutcomes * rarities[layout.kept[i]];
    return gap < 0 ? -gap : gap;
  };

  // least[i][b]: the least distance of designs i to n - 1 sharing exactly the entries of bag b.
  constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::max();
  const Bags& all = bags();
  std::vector<std::vector<std::int64_t>> least(n + 1,
                                               std::vector<std::int64_t>(all.all.size(), kNone));
  least[n][0] = 0;
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t bag = 0; bag < all.all.size(); ++bag) {
      for (const std::size_t own : all.within[bag]) {
        const std::int64_t rest = least[i + 1][without(bag, own)];
        if (rest == kNone) continue;
        least[i][bag] = std::min(least[i][bag], rest + distance(i, all.all[own].chance));
      }
    }
  }

  // Each design in list order takes, of the bags that keep the least distance, the likeliest.
  std::vector<std::size_t> taken(n);
  std::size_t left = all.whole;
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t best = 0;
    for (const std::size_t own : all.within[left]) {
      const std::int64_t rest = least[i + 1][without(left, own)];
      if (rest == kNone || rest + distance(i, all.all[own].chance) != least[i][left]) continue;
      if (best == 0 || all.all[own].likeliestFirst > all.all[best].likeliestFirst) best = own;
    }
    taken[i] = best;
    left = without(left, best);
    layout.chances[layout.kept[i]] = all.all[best].chance;
  }

  // Of two entries of one chance, the lower roll goes to the design listed first.
  for (int v = 1; v <= kLargestChance; ++v) {
    std::vector<std::size_t> entries;
    for (std::size_t e = 0; e < kEntryChances.size(); ++e)
      if (kEntryChances[e] == v) entries.push_back(e);
    std::size_t next = 0;
    for (std::size_t i = 0; i < n; ++i)
      for (int c = 0; c < all.all[taken[i]].count[v - 1]; ++c)
        layout.entryDesign[entries[next++]] = layout.kept[i];
  }
  return layout;
}
