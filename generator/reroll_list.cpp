// SPDX-License-Identifier: MIT
#include "generator/reroll_list.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "generator/rule_tables.h"

const int kMostGroups =
    std::max_element(std::begin(kSizeWords), std::end(kSizeWords),
                     [](const SizeWord& a, const SizeWord& b) { return a.groups < b.groups; })
        ->groups;

namespace {

// Item numbers stay far below what an int holds; no force has more groups or slots.
constexpr int kMaxNumber = 999999;

// The shortest run of whole groups that is written as a range.
constexpr std::size_t kShortestRange = 3;

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

RerollError notOne(std::string_view item) {
  return RerollError("\"" + std::string(item) +
                     "\" is no re-roll: a group number or group.slot, as in 2 or 3.1, or a range "
                     "of groups, as in 2-4");
}

RerollItem rangeOf(std::string_view item, std::size_t hyphen) {
  const std::string_view first = item.substr(0, hyphen);
  const std::string_view last = item.substr(hyphen + 1);
  if (first.find('.') != std::string_view::npos || last.find('.') != std::string_view::npos)
    throw RerollError("range " + std::string(item) + ": a range holds whole groups, no slots");
  const RerollItem range{
      {numberOf(first), 0},
      numberOf(last)
  };
  if (range.reroll.group < 0 || range.last < 0) throw notOne(item);
  if (range.reroll.group == 0)
    throw RerollError("range " + std::string(item) + ": groups are numbered from 1");
  if (range.last < range.reroll.group)
    throw RerollError("range " + std::string(item) + ": a range runs upward, as in " +
                      std::string(last) + "-" + std::string(first));
  return range;
}

RerollItem itemOf(std::string_view item) {
  const std::size_t hyphen = item.find('-');
  if (hyphen != std::string_view::npos) return rangeOf(item, hyphen);
  const std::size_t dot = item.find('.');
  const bool slot = dot != std::string_view::npos;
  const Reroll reroll{numberOf(item.substr(0, dot)), slot ? numberOf(item.substr(dot + 1)) : 0};
  if (reroll.group < 0 || reroll.slot < 0) throw notOne(item);
  if (slot && reroll.slot == 0)
    throw RerollError("slot " + std::string(item) + ": slots are numbered from 1");
  return {reroll};
}

// How many re-rolls from `from` on are consecutive whole groups.
std::size_t runLength(const std::vector<Reroll>& rerolls, std::size_t from) {
  std::size_t end = from;
  while (end < rerolls.size() && rerolls[end].slot == 0 &&
         (end == from || rerolls[end].group == rerolls[end - 1].group + 1))
    ++end;
  return end - from;
}

}  // namespace

std::vector<RerollItem> parseRerollItems(std::string_view text) {
  std::vector<RerollItem> items;
  if (trimmed(text).empty()) return items;
  for (;;) {
    const std::size_t comma = text.find(',');
    items.push_back(itemOf(trimmed(text.substr(0, comma))));
    if (comma == std::string_view::npos) return items;
    text.remove_prefix(comma + 1);
  }
}

std::size_t rerollCount(const std::vector<RerollItem>& items) {
  std::size_t count = 0;
  for (const RerollItem& item : items)
    count += item.last == 0 ? 1 : static_cast<std::size_t>(item.last - item.reroll.group + 1);
  return count;
}

void checkRerollCount(const std::vector<RerollItem>& items) {
  if (const std::size_t count = rerollCount(items); count > kMostRerolls)
    throw RerollError("the list stands for " + std::to_string(count) +
                      " re-rolls, ranges spelled out; a force keeps at most 1,000");
}

std::vector<Reroll> expandRerolls(const std::vector<RerollItem>& items, int groupCount) {
  for (const RerollItem& item : items)
    if (item.last > groupCount)
      throw RerollError("groups " + std::to_string(item.reroll.group) + "-" +
                        std::to_string(item.last) + ": the force has groups 1 to " +
                        std::to_string(groupCount));
  checkRerollCount(items);
  std::vector<Reroll> rerolls;
  for (const RerollItem& item : items) {
    rerolls.push_back(item.reroll);
    for (int group = item.reroll.group + 1; group <= item.last; ++group)
      rerolls.push_back({group, 0});
  }
  return rerolls;
}

std::vector<Reroll> parseRerolls(std::string_view text, int groupCount) {
  return expandRerolls(parseRerollItems(text), groupCount);
}

std::string rerollWord(Reroll reroll) {
  std::string word = std::to_string(reroll.group);
  if (reroll.slot != 0) word.append(1, '.').append(std::to_string(reroll.slot));
  return word;
}

std::string rerollList(const std::vector<Reroll>& rerolls, std::string_view separator) {
  std::string list;
  for (std::size_t k = 0; k < rerolls.size();) {
    list.append(list.empty() ? "" : separator).append(rerollWord(rerolls[k]));
    const std::size_t run = runLength(rerolls, k);
    if (run >= kShortestRange) {
      list.append(1, '-').append(std::to_string(rerolls[k + run - 1].group));
      k += run;
    } else {
      ++k;
    }
  }
  return list;
}
