// SPDX-License-Identifier: MIT
// A budget: the band of totals a force must lie in, in points, in tons, or both. Tons are kept
// in hundredths of a ton, as the design list keeps them, so every comparison is exact.
#ifndef MUSTERWRIGHT_GENERATOR_BUDGET_BAND_H
#define MUSTERWRIGHT_GENERATOR_BUDGET_BAND_H

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

// A band written wrongly: the message says what was read and what is expected.
class BandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The totals from `low` to `high`, both included.
struct NumberRange {
  std::int64_t low = 0;
  std::int64_t high = 0;
  bool holds(std::int64_t total) const { return low <= total && total <= high; }
  bool operator==(const NumberRange&) const = default;
};

// Both parts, where given, must hold.
struct BudgetBand {
  std::optional<NumberRange> points;
  std::optional<NumberRange> tonsHundredths;
  bool operator==(const BudgetBand&) const = default;
};

// The band that `text` writes: "LIMIT", the totals from 95 % of LIMIT (rounded down) to LIMIT,
// or "LOW-HIGH" with an ASCII hyphen. Each number is digits; with `hundredths` (tons) it may
// carry up to two decimals after a dot and comes back in hundredths. Throws BandError for
// anything else, LOW above HIGH, or a number above 99,999,999 (in whole units).
NumberRange readBand(std::string_view text, bool hundredths);

#endif
