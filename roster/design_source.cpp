// SPDX-License-Identifier: MIT
#include "roster/design_source.h"

#include "generator/rule_tables.h"
#include "tables/table_location.h"
#include "tables/table_names.h"

std::vector<std::string> slotDesignNames(const std::string& tableBytes, std::string_view fileName) {
  std::vector<std::string> names = tableDesignNames(tableBytes, fileName);
  for (const BattleArmourRow& row : kBattleArmour) names.emplace_back(row.name);
  return names;
}

FoundDesignList foundDesignList(const std::filesystem::path& tables) {
  const std::optional<std::filesystem::path> path = locateDesignList(tables);
  if (!path) return {};
  try {
    return {readDesignListFile(*path, {}, UnknownNames::quiet), "", path};
  } catch (const DesignListError& error) {
    return {std::nullopt, path->string() + " is not used:\n" + error.what(), path};
  }
}
