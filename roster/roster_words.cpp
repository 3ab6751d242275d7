// SPDX-License-Identifier: MIT
#include "roster/roster_words.h"

#include <algorithm>
#include <optional>

#include "generator/seed_text.h"

namespace {

bool sameSlot(const Mech& a, const Mech& b) {
  return a.name == b.name && a.weightClass == b.weightClass && a.kind == b.kind &&
         a.piloting == b.piloting && a.gunnery == b.gunnery;
}

}  // namespace

bool sameGroup(const Force& before, const Force& after, int group) {
  const int first = (group - 1) * before.groupSize();
  for (int k = first; k < first + before.groupSize(); ++k)
    if (!sameSlot(before.roster[k], after.roster[k])) return false;
  return true;
}

std::string openSlotWords(const Mech& slot) {
  return std::string("open: no ") + slot.weightClass.c_str() + " design left";
}

bool rerollKeptAll(const Force& before, const Force& after, RerollKind kind, Reroll at) {
  if (before.roster.length() != after.roster.length()) return false;
  switch (kind) {
    case RerollKind::slot: {
      const int index = (at.group - 1) * before.groupSize() + at.slot - 1;
      return sameSlot(before.roster[index], after.roster[index]);
    }
    case RerollKind::group:
      return sameGroup(before, after, at.group);
    case RerollKind::otherGroups:
      for (int group = 1; group <= before.groupCount(); ++group)
        if (group != at.group && !sameGroup(before, after, group)) return false;
      return true;
  }
  return false;
}

std::string rerollOutcome(const Force& before, const Force& after, RerollKind kind, Reroll at) {
  const std::string lance = groupWord(before.isClan, true);
  const std::string said =
      kind == RerollKind::slot ? "Slot " + std::to_string(at.group) + "." + std::to_string(at.slot)
      : kind == RerollKind::group
          ? std::string(groupWord(before.isClan)) + " " + std::to_string(at.group)
          : "Every " + lance + " but " + lance + " " + std::to_string(at.group);
  return said +
         (rerollKeptAll(before, after, kind, at) ? " rolled again: the same" : " rolled again.");
}

std::string seedBoxNotice(std::string_view text) {
  try {
    const std::optional<std::uint32_t> seed = readSeed(text);
    if (!seed) return "";
    return "Every Generate uses seed " + std::to_string(*seed) + " while it stays in the Seed box.";
  } catch (const SeedError& error) {
    return error.what();
  }
}

std::string boxMessage(std::string_view message) {
  std::string shown(message);
  for (std::size_t start = 0; start < shown.size();) {
    const std::size_t end = std::min(shown.find('\n', start), shown.size());
    const std::string_view line = std::string_view(shown).substr(start, end - start);
    // The first word, up to the first blank: a word of letters, not a file's name.
    const std::string_view word = line.substr(0, line.find(' '));
    const bool lowerWord =
        !word.empty() && word.front() >= 'a' && word.front() <= 'z' &&
        word.find_first_not_of("abcdefghijklmnopqrstuvwxyz'-") == std::string_view::npos;
    const std::size_t located = line.find(", line ");
    if (lowerWord && word.size() < line.size() && located >= line.find(": "))
      shown[start] = static_cast<char>(shown[start] - 'a' + 'A');
    start = end + 1;
  }
  return shown;
}
