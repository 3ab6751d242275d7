// SPDX-License-Identifier: MIT
// A budget: the band of totals a force must lie in, in points, in tons, in points with crew
// skill, or any of them together. Tons are kept
// in hundredths of a ton, as the design list keeps them, so every comparison is exact. A band
// is read one way for every front end, so that what one program prints another reads back.
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
  std::optional<NumberRange> skillPoints = {};
  bool operator==(const BudgetBand&) const = default;
};

// The band that `text` writes: "LIMIT", the totals from 95 % of LIMIT (rounded down) to LIMIT,
// or "LOW-HIGH", the ends joined by an ASCII hyphen or an en dash ("5,700–6,000"). White space
// around the band is ignored; each number is digits, which may be grouped in threes by commas
// ("5,700"); with `hundredths` (tons) a number may carry up to two decimals after a dot and
// comes back in hundredths. The band may end with the word of what it counts, "points", or
// with `hundredths` "tons", in any letter case. Throws BandError for anything else, the other
// unit's word, LOW above HIGH, or a number above 99,999,999 (in whole units).
NumberRange readBand(std::string_view text, bool hundredths);

// `text` without the white space around it, which readBand ignores: empty for a budget box
// left blank, which asks for no band. Never throws.
std::string_view trimmedBand(std::string_view text);

#endif
