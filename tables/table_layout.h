// SPDX-License-Identifier: MIT
// The layout of the table file that every reader of it relies on: the faction and weight
// headings, the length of a weight table, the byte at which the vehicle section begins and
// the most bytes a table file may hold. The choice lists, the searches and the checker all
// take these words and figures from here.
#ifndef MUSTERWRIGHT_TABLES_TABLE_LAYOUT_H
#define MUSTERWRIGHT_TABLES_TABLE_LAYOUT_H

#include <array>
#include <cstdint>
#include <ios>
#include <string>

// The faction headings, in the order of the faction list: the six Houses, then the four Clans.
inline constexpr std::array<const char*, 10> kFactionHeadings = {
    "Kurita",  "Liao",        "Marik", "Davion",     "Steiner",
    "ComStar", "Jade Falcon", "Wolf",  "Ghost Bear", "Smoke Jaguar",
};

// The weight headings, lightest first; each faction and the vehicle section has one table
// under each.
inline constexpr std::array<const char*, 4> kWeightHeadings = {"Light", "Medium", "Heavy",
                                                               "Assault"};

// The entry lines of a weight table: entry rolls 2 to 12 take the first to the eleventh.
inline constexpr int kTableEntries = 11;

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
