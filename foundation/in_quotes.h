// SPDX-License-Identifier: MIT
// Quoting a word in a message, as every message of the system does: "Kurita".
#ifndef MUSTERWRIGHT_FOUNDATION_IN_QUOTES_H
#define MUSTERWRIGHT_FOUNDATION_IN_QUOTES_H

#include <string>
#include <string_view>

// `text` between double quotes, taken as it is (nothing inside is escaped).
inline std::string inQuotes(std::string_view text) {
  std::string result(1, '"');
  result.append(text).push_back('"');
  return result;
}

#endif
