// SPDX-License-Identifier: MIT
#include "roster/listing.h"

#include <algorithm>
#include <utility>

#include "generator/reroll_list.h"
#include "roster/budget_words.h"
#include "roster/roster_words.h"

std::vector<apstring> listForce(const Force& force) {
  const int slotsPerGroup = force.groupSize();
  const apvector<Mech>& roster = force.roster;
  std::vector<apstring> lines{force.house, force.size, force.weight, force.experience};
  lines.reserve(4 + roster.length() + roster.length() / slotsPerGroup + 1);
  for (int i = 0; i < roster.length(); ++i) {
    const Mech& slot = roster[i];
    if (i % slotsPerGroup == 0) lines.emplace_back(" ");
    if (slot.kind == SlotKind::open) {
      lines.emplace_back(("(" + openSlotWords(slot) + ")").c_str());
    } else {
      lines.push_back(slot.name + apstring(" P: ") + slot.piloting + apstring(" G: ") +
                      slot.gunnery);
    }
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

std::vector<apstring> listPair(const Force& sideA, const std::vector<apstring>& afterA,
                               const Force& sideB, const std::vector<apstring>& afterB,
                               const std::string& balance) {
  std::vector<apstring> lines = listForce(sideA);
  lines.insert(lines.end(), afterA.begin(), afterA.end());
  lines.emplace_back("");
  lines.emplace_back("Opposing force");
  const std::vector<apstring> opposing = listForce(sideB);
  lines.insert(lines.end(), opposing.begin(), opposing.end());
  lines.insert(lines.end(), afterB.begin(), afterB.end());
  lines.emplace_back("");
  lines.emplace_back(balance.c_str());
  return lines;
}

std::optional<PairLine> pairLineAt(int line, const Force& sideA, const Force& sideB,
                                   int afterLines) {
  const auto listed = [](const Force& force) {
    return 4 + force.roster.length() + force.groupCount();
  };
  if (line < 0) return std::nullopt;
  if (line < listed(sideA)) {
    const std::optional<Reroll> at = rerollAtLine(line, sideA.groupSize(), sideA.groupCount());
    if (!at) return std::nullopt;
    return PairLine{Side::a, *at};
  }
  const int startB = listed(sideA) + afterLines + 2;
  if (line < startB || line >= startB + listed(sideB)) return std::nullopt;
  const std::optional<Reroll> at =
      rerollAtLine(line - startB, sideB.groupSize(), sideB.groupCount());
  if (!at) return std::nullopt;
  return PairLine{Side::b, *at};
}

std::string seedCaption(std::uint32_t seed, const std::vector<Reroll>& rerolls) {
  std::string caption = "Seed: " + std::to_string(seed);
  if (!rerolls.empty()) caption += " \u00b7 re-rolled " + rerollList(rerolls, ", ");
  return caption;
}

std::string seedCaption(std::uint32_t seed, const std::vector<Reroll>& rerolls,
                        const std::string& collectionName, const std::string& identity,
                        bool unique) {
  std::string caption = seedCaption(seed, {});
  if (!identity.empty())
    caption += " \u00b7 collection " + collectionName + " (" + shortIdentity(identity) + ")";
  if (unique) caption += " \u00b7 each design once";
  if (!rerolls.empty()) caption += " \u00b7 re-rolled " + rerollList(rerolls, ", ");
  return caption;
}

std::string seedCaption(const Force& force) {
  const std::optional<Collection>& collection = force.collection;
  std::string caption = seedCaption(force.seed, force.rerolls, collection ? collection->name : "",
                                    collection ? collection->identity : "", force.unique);
  if (force.side == Side::b)
    return "Opposing force \u00b7 " + caption + " \u00b7 band " + budgetCaption(force);
  if (const std::string band = budgetCaption(force); !band.empty()) caption += " \u00b7 " + band;
  return caption;
}

std::string shortIdentity(const std::string& identity) {
  return identity.substr(0, 8);
}

std::string openSlotsNotice(const Force& force) {
  std::vector<std::pair<std::string, int>> tables;
  int open = 0;
  for (int i = 0; i < force.roster.length(); ++i) {
    const Mech& slot = force.roster[i];
    if (slot.kind != SlotKind::open) continue;
    ++open;
    const std::string table = std::string(slot.openVehicle ? "vehicle" : force.house.c_str()) +
                              " " + slot.weightClass.c_str();
    const auto known = std::find_if(tables.begin(), tables.end(),
                                    [&](const auto& entry) { return entry.first == table; });
    if (known == tables.end()) {
      tables.emplace_back(table, 1);
    } else {
      ++known->second;
    }
  }
  if (open == 0) return "";
  std::string notice =
      std::to_string(open) + (open == 1 ? " slot" : " slots") + " stayed open (no design left): ";
  for (std::size_t k = 0; k < tables.size(); ++k)
    notice += (k == 0 ? "" : ", ") + tables[k].first + " " + std::to_string(tables[k].second);
  return notice;
}
