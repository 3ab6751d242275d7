// SPDX-License-Identifier: MIT
#include "generator/budget_band.h"

#include <algorithm>
#include <string>

namespace {

// Larger limits hold no force and would only risk overflowing the totals.
constexpr std::int64_t kMostWholeUnits = 99999999;
// The band a single limit stands for: from 95 % of it, rounded down.
constexpr std::int64_t kLimitPercent = 95;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The number `text` spells, in hundredths when `hundredths`; none when it spells none.
std::optional<std::int64_t> numberOf(std::string_view text, bool hundredths) {
  const std::size_t dot = hundredths ? text.find('.') : std::string_view::npos;
  const std::string_view whole = text.substr(0, dot);
  const std::string_view decimals =
      dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  if (whole.empty() || whole.size() > 8 || !std::all_of(whole.begin(), whole.end(), isDigit))
    return std::nullopt;
  if (dot != std::string_view::npos && (decimals.empty() || decimals.size() > 2 ||
                                        !std::all_of(decimals.begin(), decimals.end(), isDigit)))
    return std::nullopt;
  std::int64_t number = std::stoll(std::string(whole));
  if (number > kMostWholeUnits) return std::nullopt;
  if (!hundredths) return number;
  std::string cents(decimals);
  cents.resize(2, '0');
  return number * 100 + std::stoll(cents);
}

}  // namespace

NumberRange readBand(std::string_view text, bool hundredths) {
  const std::string expected =
      hundredths ? "LIMIT or LOW-HIGH, tons with up to two decimals, as in 400 or 380-400.5"
                 : "LIMIT or LOW-HIGH, whole points, as in 6000 or 5700-6000";
  const std::string quoted = "\"" + std::string(text) + "\"";
  const std::size_t hyphen = text.find('-');
  if (hyphen == std::string_view::npos) {
    const std::optional<std::int64_t> limit = numberOf(text, hundredths);
    if (!limit) throw BandError(quoted + " is no band: " + expected);
    return {*limit * kLimitPercent / 100, *limit};
  }
  const std::optional<std::int64_t> low = numberOf(text.substr(0, hyphen), hundredths);
  const std::optional<std::int64_t> high = numberOf(text.substr(hyphen + 1), hundredths);
  if (!low || !high) throw BandError(quoted + " is no band: " + expected);
  if (*low > *high) throw BandError(quoted + ": the low end is above the high end");
  return {*low, *high};
}
