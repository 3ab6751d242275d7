// SPDX-License-Identifier: MIT
#include "odds/drawn_tables.h"

#include <algorithm>

#include "tables/table_error.h"
#include "tables/table_search.h"

DrawnTables::DrawnTables(std::string bytes, std::string fileName)
    : index_(std::move(bytes), std::move(fileName)), reachable_(reachableTables(index_)) {}

std::size_t DrawnTables::factionStart(const std::string& faction) {
  const ReachedSection* section = reachable_.section(faction);
  if (section == nullptr || section == &reachable_.vehicles) {
    apstring line(" ");
    TableReader reader{index_, line};
    return findFaction(reader, faction.c_str());
  }
  if (!section->error.empty()) throw TableError(section->error);
  return section->start;
}

const DrawnTable& DrawnTables::table(std::size_t start, const std::string& word,
                                     std::string_view section) {
  const auto key = std::make_pair(start, word);
  if (const auto known = found_.find(key); known != found_.end()) return known->second;

  const ReachedTable* walked = reachable_.table(start, word, section);
  const ReachedTable reached = walked ? *walked : reachTable(index_, start, word.c_str(), section);
  if (!reached.error.empty()) throw TableError(reached.error);
  DrawnTable table;
  table.headingLine = reached.headingLine;
  for (std::size_t k = 0; k < reached.entries.size(); ++k) {
    const std::string name = reached.entries[k].c_str();
    const Fraction chance(kEntryChances[k], kEntryOutcomes);
    const auto same = std::find_if(table.designs.begin(), table.designs.end(),
                                   [&](const auto& design) { return design.first == name; });
    if (same == table.designs.end()) {
      table.designs.emplace_back(name, chance);
    } else {
      same->second += chance;
    }
  }
  return found_.emplace(key, std::move(table)).first->second;
}
