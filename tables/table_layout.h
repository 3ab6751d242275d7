// SPDX-License-Identifier: MIT
// The layout of the table file that every reader of it relies on: the faction and weight
// headings, the entry roll and the length of a weight table it gives, the byte at which the
// vehicle section begins and the most bytes a table file may hold. The choice lists, the
// searches, the checker, the draws and the odds all take these words and figures from here.
#ifndef MUSTERWRIGHT_TABLES_TABLE_LAYOUT_H
#define MUSTERWRIGHT_TABLES_TABLE_LAYOUT_H

#include <array>
#include <cstdint>
#include <ios>
#include <string>

#include "tables/dice_roll.h"

// The faction headings, in the order of the faction list: the six Houses, then the four Clans.
inline constexpr std::array<const char*, 10> kFactionHeadings = {
    "Kurita",  "Liao",        "Marik", "Davion",     "Steiner",
    "ComStar", "Jade Falcon", "Wolf",  "Ghost Bear", "Smoke Jaguar",
};

// The weight headings, lightest first; each faction and the vehicle section has one table
// under each.
inline constexpr std::array<const char*, 4> kWeightHeadings = {"Light", "Medium", "Heavy",
                                                               "Assault"};

// The entry roll: two rolls of 6 plus 1 picks entry 1 to 11 of a weight table, entry k being
// the k-th line below its heading.
inline constexpr DiceRoll kEntryRoll{2, 6, 1};
static_assert(kEntryRoll.lowest() == 1, "the entry roll picks from the first line on");

// The entry lines of a weight table: one for each entry the roll can pick.
inline constexpr int kTableEntries = kEntryRoll.highest();

// How many of the kEntryOutcomes ways the entry roll can fall pick each entry, entry k at
// index k - 1: its chance in 36ths, {1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1}.
inline constexpr std::int64_t kEntryOutcomes = kEntryRoll.outcomes();
inline constexpr std::array<int, kTableEntries> kEntryChances = [] {
  std::array<int, kTableEntries> chances{};
  for (int entry = 1; entry <= kTableEntries; ++entry)
    chances[entry - 1] = static_cast<int>(kEntryRoll.waysToRoll(entry));
  return chances;
}();

// Byte offset at which the shared vehicle section of the table file begins.
inline constexpr std::streamoff vehicleStart = 7038;

// The most bytes a table file may hold. Real ones hold a few kilobytes; the bound keeps a name
// that leads to an endless stream (/dev/zero, a pipe) from exhausting memory or time.
inline constexpr std::uintmax_t kMaxTableFileBytes = std::uintmax_t{64} << 20;

// The bound in words for messages: "64 MiB".
inline std::string maxTableFileSize() {
  return std::to_string(kMaxTableFileBytes >> 20) + " MiB";
}

#endif
