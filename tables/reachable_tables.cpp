// SPDX-License-Identifier: MIT
#include "tables/reachable_tables.h"

#include <algorithm>

#include "tables/collection.h"
#include "tables/table_error.h"
#include "tables/table_layout.h"
#include "tables/table_search.h"

namespace {

void addTables(const TableIndex& index, ReachedSection& section, const char* name) {
  for (const char* weight : kWeightHeadings)
    section.tables.push_back(reachTable(index, section.start, weight, name));
}

}  // namespace

const ReachedTable* ReachedSection::table(std::string_view weight) const {
  const auto found = std::find_if(tables.begin(), tables.end(), [&](const ReachedTable& table) {
    return table.weight == weight;
  });
  return found == tables.end() ? nullptr : &*found;
}

const ReachedSection* ReachableTables::section(std::string_view label) const {
  if (label == vehicles.label) return &vehicles;
  const auto found =
      std::find_if(factions.begin(), factions.end(),
                   [&](const ReachedSection& faction) { return faction.label == label; });
  return found == factions.end() ? nullptr : &*found;
}

const ReachedTable* ReachableTables::table(std::size_t start, std::string_view weight,
                                           std::string_view section) const {
  if (section == kVehicleSectionName)
    return start == vehicles.start ? vehicles.table(weight) : nullptr;
  if (section != kFactionSectionName) return nullptr;
  for (const ReachedSection& faction : factions)
    if (faction.error.empty() && faction.start == start) return faction.table(weight);
  return nullptr;
}

ReachedTable reachTable(const TableIndex& index, std::size_t start, const char* weight,
                        std::string_view section) {
  ReachedTable table;
  table.weight = weight;
  apstring line(" ");
  TableReader reader{index, line};
  try {
    findHeading(reader, start, weight, section);
    const std::size_t tableStart = reader.failed ? 0 : reader.offset();
    table.headingLine = static_cast<long>(
        std::count(index.bytes().begin(),
                   index.bytes().begin() + static_cast<std::ptrdiff_t>(tableStart), '\n'));
    table.entries = readEntries(reader, weight);
  } catch (const TableError& error) {
    table.entries.clear();
    table.error = error.what();
  }
  return table;
}

ReachableTables reachableTables(const TableIndex& index) {
  ReachableTables reachable;
  for (const char* faction : kFactionHeadings) {
    ReachedSection& section = reachable.factions.emplace_back();
    section.label = faction;
    apstring line(" ");
    TableReader reader{index, line};
    try {
      section.start = findFaction(reader, faction);
    } catch (const TableError& error) {
      section.error = error.what();
      continue;
    }
    addTables(index, section, kFactionSectionName);
  }
  reachable.vehicles.label = "vehicles";
  reachable.vehicles.start = static_cast<std::size_t>(vehicleStart);
  addTables(index, reachable.vehicles, kVehicleSectionName);
  const auto numberDesigns = [&](ReachedSection& section) {
    for (ReachedTable& table : section.tables) {
      for (const apstring& entry : table.entries) {
        std::string folded = foldedName(entry.c_str());
        const auto [known, added] =
            reachable.designIds.try_emplace(folded, static_cast<int>(reachable.designs.size()));
        if (added) reachable.designs.push_back(std::move(folded));
        table.designIds.push_back(known->second);
      }
    }
  };
  for (ReachedSection& faction : reachable.factions) numberDesigns(faction);
  numberDesigns(reachable.vehicles);
  return reachable;
}
