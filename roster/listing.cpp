// SPDX-License-Identifier: MIT
#include "roster/listing.h"

#include "generator/reroll_list.h"

std::vector<apstring> listForce(const Force& force) {
  const int slotsPerGroup = force.groupSize();
  const apvector<Mech>& roster = force.roster;
  std::vector<apstring> lines{force.house, force.size, force.weight, force.experience};
  lines.reserve(4 + roster.length() + roster.length() / slotsPerGroup + 1);
  for (int i = 0; i < roster.length(); ++i) {
    const Mech& slot = roster[i];
    if (i % slotsPerGroup == 0) lines.emplace_back(" ");
    lines.push_back(slot.name + apstring(" P: ") + slot.piloting + apstring(" G: ") + slot.gunnery);
  }
  return lines;
}

std::optional<Reroll> rerollAtLine(int line, int groupSize, int groupCount) {
  constexpr int kHeaderLines = 4;
  if (line < kHeaderLines || groupSize < 1) return std::nullopt;
  const int linesPerGroup = groupSize + 1;
  const int group = (line - kHeaderLines) / linesPerGroup + 1;
  if (group > groupCount) return std::nullopt;
  return Reroll{group, (line - kHeaderLines) % linesPerGroup};
}

std::string seedCaption(std::uint32_t seed, const std::vector<Reroll>& rerolls) {
  std::string caption = "Seed: " + std::to_string(seed);
  if (!rerolls.empty()) caption += " \u00b7 re-rolled " + rerollList(rerolls, ", ");
  return caption;
}

std::string seedCaption(const Force& force) {
  return seedCaption(force.seed, force.rerolls);
}
