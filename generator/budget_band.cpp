// SPDX-License-Identifier: MIT
#include "generator/budget_band.h"

#include <algorithm>
#include <string>

namespace {

// Larger limits hold no force and would only risk overflowing the totals.
constexpr std::int64_t kMostWholeUnits = 99999999;
// The band a single limit stands for: from 95 % of it, rounded down.
constexpr std::int64_t kLimitPercent = 95;
// What may stand around a band and before its unit's word.
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
// What may join a band's ends: an ASCII hyphen, or an en dash as the programs print a band.
constexpr std::string_view kJoiners[] = {"-", "\u2013"};

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), isDigit);
}

// Whether `text` ends with `word` in any ASCII letter case.
bool endsWithWord(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  const std::string_view end = text.substr(text.size() - word.size());
  return std::equal(end.begin(), end.end(), word.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b;
  });
}

// The digits of a whole number written plainly or in comma groups of three ("5700", "5,700");
// none when it is written otherwise.
std::optional<std::string> wholeDigits(std::string_view whole) {
  if (whole.find(',') == std::string_view::npos) {
    if (whole.empty() || !allDigits(whole)) return std::nullopt;
    return std::string(whole);
  }
  const std::size_t lead = whole.find(',');
  if (lead == 0 || lead > 3 || (whole.size() - lead) % 4 != 0) return std::nullopt;
  std::string digits(whole.substr(0, lead));
  for (std::size_t group = lead; group < whole.size(); group += 4) {
    const std::string_view three = whole.substr(group + 1, 3);
    if (whole[group] != ',' || !allDigits(three)) return std::nullopt;
    digits += three;
  }
  return allDigits(digits) ? std::optional<std::string>(digits) : std::nullopt;
}

// The number `text` spells, in hundredths when `hundredths`; none when it spells none.
std::optional<std::int64_t> numberOf(std::string_view text, bool hundredths) {
  const std::size_t dot = hundredths ? text.find('.') : std::string_view::npos;
  const std::optional<std::string> whole = wholeDigits(text.substr(0, dot));
  const std::string_view decimals =
      dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  if (!whole || whole->size() > 8) return std::nullopt;
  if (dot != std::string_view::npos &&
      (decimals.empty() || decimals.size() > 2 || !allDigits(decimals)))
    return std::nullopt;
  const std::int64_t number = std::stoll(*whole);
  if (number > kMostWholeUnits) return std::nullopt;
  if (!hundredths) return number;
  std::string cents(decimals);
  cents.resize(2, '0');
  return number * 100 + std::stoll(cents);
}

}  // namespace

std::string_view trimmedBand(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

NumberRange readBand(std::string_view text, bool hundredths) {
  const std::string_view unit = hundredths ? "tons" : "points";
  const std::string expected =
      hundredths ? "LIMIT or LOW-HIGH in tons, up to two decimals, as in 400, 380-400.5 or "
                   "380\u2013400.5 tons"
                 : "LIMIT or LOW-HIGH in whole points, as in 6000, 5700-6000 or "
                   "5,700\u20136,000 points";
  std::string_view band = trimmedBand(text);
  const std::string quoted = "\"" + std::string(band) + "\"";
  if (endsWithWord(band, hundredths ? "points" : "tons"))
    throw BandError(quoted + " counts " + (hundredths ? "points" : "tons") +
                    ", and this budget counts " + std::string(unit));
  if (endsWithWord(band, unit)) band = trimmedBand(band.substr(0, band.size() - unit.size()));
  std::size_t joiner = std::string_view::npos;
  std::size_t joinerSize = 0;
  for (const std::string_view word : kJoiners)
    if (const std::size_t at = band.find(word); at < joiner) {
      joiner = at;
      joinerSize = word.size();
    }
  if (joiner == std::string_view::npos) {
    const std::optional<std::int64_t> limit = numberOf(band, hundredths);
    if (!limit) throw BandError(quoted + " is no band: " + expected);
    return {*limit * kLimitPercent / 100, *limit};
  }
  const std::optional<std::int64_t> low = numberOf(band.substr(0, joiner), hundredths);
  const std::optional<std::int64_t> high = numberOf(band.substr(joiner + joinerSize), hundredths);
  if (!low || !high) throw BandError(quoted + " is no band: " + expected);
  if (*low > *high) throw BandError(quoted + ": the low end is above the high end");
  return {*low, *high};
}
