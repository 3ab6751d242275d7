// SPDX-License-Identifier: MIT
#include "generator/reroll_list.h"

#include <charconv>

#include "generator/generate.h"

namespace {

// Item numbers stay far below what an int holds; no force has more groups or slots.
constexpr int kMaxNumber = 999999;

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The number that `digits` spell, or -1 when they spell none (signs, blanks and empty refused).
int numberOf(std::string_view digits) {
  int number = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, number);
  if (digits.empty() || digits.front() == '-' || error != std::errc() || stop != end ||
      number > kMaxNumber)
    return -1;
  return number;
}

Reroll rerollOf(std::string_view item) {
  const std::size_t dot = item.find('.');
  const bool slot = dot != std::string_view::npos;
  const Reroll reroll{numberOf(item.substr(0, dot)), slot ? numberOf(item.substr(dot + 1)) : 0};
  if (reroll.group < 0 || reroll.slot < 0)
    throw RerollError("\"" + std::string(item) +
                      "\" is no re-roll: a group number or group.slot, as in 2 or 3.1");
  if (slot && reroll.slot == 0)
    throw RerollError("slot " + std::string(item) + ": slots are numbered from 1");
  return reroll;
}

}  // namespace

std::vector<Reroll> parseRerolls(std::string_view text) {
  std::vector<Reroll> rerolls;
  if (trimmed(text).empty()) return rerolls;
  for (;;) {
    const std::size_t comma = text.find(',');
    rerolls.push_back(rerollOf(trimmed(text.substr(0, comma))));
    if (comma == std::string_view::npos) return rerolls;
    text.remove_prefix(comma + 1);
  }
}

std::string rerollWord(Reroll reroll) {
  std::string word = std::to_string(reroll.group);
  if (reroll.slot != 0) word.append(1, '.').append(std::to_string(reroll.slot));
  return word;
}

std::string rerollList(const std::vector<Reroll>& rerolls, std::string_view separator) {
  std::string list;
  for (const Reroll& reroll : rerolls)
    list.append(list.empty() ? "" : separator).append(rerollWord(reroll));
  return list;
}
