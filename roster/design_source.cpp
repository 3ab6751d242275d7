// SPDX-License-Identifier: MIT
#include "roster/design_source.h"

#include "foundation/in_quotes.h"
#include "generator/rule_tables.h"
#include "tables/table_location.h"
#include "tables/table_names.h"

namespace {

// The list at `file` that `read` reads; refused, a notice.
template <class Read>
FoundDesignList foundAs(const std::filesystem::path& file, Read read) {
  try {
    return {read(), "", file};
  } catch (const DesignListError& error) {
    return {std::nullopt, file.string() + " is not used:\n" + error.what(), file};
  }
}

}  // namespace

std::vector<std::string> slotDesignNames(const std::string& tableBytes, std::string_view fileName) {
  std::vector<std::string> names = tableDesignNames(tableBytes, fileName);
  for (const BattleArmourRow& row : kBattleArmour) names.emplace_back(row.name);
  return names;
}

std::string battleArmourWarning(const DesignList& list, const std::string& fileName) {
  std::vector<std::string> lacking;
  for (const BattleArmourRow& row : kBattleArmour) {
    const DesignNumbers* numbers = list.find(row.name);
    if (!numbers || !numbers->tonsHundredths || !numbers->points)
      lacking.push_back(inQuotes(row.name));
  }
  if (lacking.empty()) return "";
  std::string names;
  for (std::size_t k = 0; k < lacking.size(); ++k)
    names += (k == 0 ? "" : k + 1 == lacking.size() ? " and " : ", ") + lacking[k];
  return fileName + ": the list lacks tons or points for " + names +
         ", the names the rules give battle armour; their slots count as without them";
}

FoundDesignList foundDesignList(const std::filesystem::path& tables) {
  const std::optional<std::filesystem::path> path = locateDesignList(tables);
  if (!path) return {};
  return foundAs(*path, [&] { return readDesignListFile(*path, {}, UnknownNames::quiet); });
}

FoundDesignList foundDesignList(std::string_view bytes, const std::filesystem::path& file) {
  return foundAs(file, [&] {
    return readDesignList(bytes, file.string(), file.stem().string(), {}, UnknownNames::quiet);
  });
}
