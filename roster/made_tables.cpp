// SPDX-License-Identifier: MIT
#include "roster/made_tables.h"

#include <algorithm>

#include "generator/layout_columns.h"
#include "roster/design_source.h"
#include "roster/made_tables_data.h"

MadeTables layOutTables(std::string_view listBytes, const std::string& listName,
                        std::string_view baseBytes, const std::string& baseName) {
  MadeTables made;
  made.fileName = madeTablesFileName(listName);
  LayoutList list;
  try {
    list = readLayoutList(listBytes, listName);
  } catch (const DesignListError& error) {
    // One problem a line; no string stream, which would weigh on the page's engine.
    const std::string_view text = error.what();
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      made.problems.emplace_back(text.substr(start, end - start));
      start = end + 1;
    }
    const std::vector<std::string> base = tableBaseProblems(baseBytes, baseName);
    made.problems.insert(made.problems.end(), base.begin(), base.end());
    return made;
  }
  made.notices = list.read.notices;
  if (std::string armour = battleArmourWarning(list.read.list, listName); !armour.empty())
    made.warnings.push_back(std::move(armour));
  made.making = makeTableFile(baseBytes, baseName, list.designs, listName);
  made.problems = made.making.problems;
  if (made.made()) made.report = madeTablesReport(made.making, listName, baseName);
  return made;
}

MadeTables layOutTables(const std::filesystem::path& list, std::string_view baseBytes,
                        const std::string& baseName) {
  std::string bytes;
  try {
    bytes = designListBytes(list);
  } catch (const DesignListError& error) {
    MadeTables made;
    made.fileName = madeTablesFileName(list.string());
    made.problems.emplace_back(error.what());
    return made;
  }
  return layOutTables(bytes, list.string(), baseBytes, baseName);
}

std::string madeTablesFileName(const std::string& listName) {
  return std::filesystem::path(listName).stem().string() + "-tables.dat";
}

std::string notLaidOutText(const std::string& listName) {
  return "The tables of " + listName + " were not laid out.";
}

std::string noDesignListToLayOutText() {
  return "No design list is in use to lay tables out from: choose one with its weight_class, "
         "kind, factions and rarity columns (musterwright-designs(5)).";
}
