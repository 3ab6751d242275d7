// SPDX-License-Identifier: MIT
// Laying out one table's entries: no assignment of the eleven entries comes closer to the
// asked chances, ties go to the design listed first, and beyond eleven the rarest go.
#include "tables/entry_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <limits>
#include <sstream>

namespace {

// sum |W * chance - 36 * w| over the designs, W the weights' sum: the closeness scaled by W.
std::int64_t distance(const std::vector<std::int64_t>& rarities, const std::vector<int>& chances) {
  std::int64_t total = 0, sum = 0;
  for (const std::int64_t w : rarities) total += w;
  for (std::size_t k = 0; k < rarities.size(); ++k)
    sum += std::llabs(total * chances[k] - 36 * rarities[k]);
  return sum;
}

// The least distance over every way to give each of the 11 entries to one of the designs,
// each design on at least one entry.
std::int64_t leastByTryingAll(const std::vector<std::int64_t>& rarities) {
  const std::size_t n = rarities.size();
  std::size_t ways = 1;
  for (int e = 0; e < kTableEntries; ++e) ways *= n;
  std::int64_t least = std::numeric_limits<std::int64_t>::max();
  for (std::size_t way = 0; way < ways; ++way) {
    std::vector<int> chances(n, 0);
    std::size_t rest = way;
    for (int e = 0; e < kTableEntries; ++e, rest /= n) chances[rest % n] += kEntryChances[e];
    if (std::find(chances.begin(), chances.end(), 0) != chances.end()) continue;
    least = std::min(least, distance(rarities, chances));
  }
  return least;
}

TEST(EntryLayout, NoAssignmentComesCloserOnSmallLists) {
  // One, two, three and four designs of mixed rarity, equal ones among them.
  const char* lists[] = {
      "800",         "800 100",     "800 800",         "400 200 100",     "800 400 200",
      "100 100 800", "250 333 700", "800 400 200 100", "800 800 800 800", "1 10000 37 512"};
  for (const char* list : lists) {
    std::istringstream words(list);
    const std::vector<std::int64_t> rarities{std::istream_iterator<std::int64_t>(words), {}};
    SCOPED_TRACE(::testing::PrintToString(rarities));
    const EntryLayout layout = layoutEntries(rarities);
    std::vector<int> fromEntries(rarities.size(), 0);
    for (int e = 0; e < kTableEntries; ++e) fromEntries[layout.entryDesign[e]] += kEntryChances[e];
    EXPECT_EQ(fromEntries, layout.chances);
    EXPECT_EQ(std::find(layout.chances.begin(), layout.chances.end(), 0), layout.chances.end());
    EXPECT_EQ(distance(rarities, layout.chances), leastByTryingAll(rarities));
  }
}

TEST(EntryLayout, TiesGoToTheFirstListedAndTheRarestLastListedAreLeftOut) {
  // Designs are written as letters, A the first listed: the design on each entry in roll
  // order, then the designs left out.
  struct Case {
    std::vector<std::int64_t> rarities;
    std::string entries, leftOut;
  };
  const Case cases[] = {
  // Equal designs: the first takes the likeliest entries (6, 5, 5, 2 over 6, 5, 4, 3), and of
  // two entries of one chance the lower roll.
      {{800, 800},                                                        "BABBAAABBBB", ""  },
      {{800, 800, 800},                                                   "ACBBAABCCCC", ""  },
      {{800},                                                             "AAAAAAAAAAA", ""  },
 // Twelve and thirteen designs: the rarest go, of equal rarity the last listed.
      {{800, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800},      "JHFDBACEGIK", "L" },
      {{100, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800, 100, 800}, "KIGECBDFHJM", "AL"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.rarities));
    const EntryLayout layout = layoutEntries(c.rarities);
    std::string entries, leftOut;
    for (const std::size_t k : layout.entryDesign) entries += static_cast<char>('A' + k);
    for (const std::size_t k : layout.leftOut) leftOut += static_cast<char>('A' + k);
    EXPECT_EQ(entries, c.entries);
    EXPECT_EQ(leftOut, c.leftOut);
  }
}

}  // namespace
