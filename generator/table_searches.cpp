// SPDX-License-Identifier: MIT
#include "generator/table_searches.h"

const ReachedTable* TableSearches::reached(std::size_t start, const apstring& word,
                                           std::string_view section) const {
  const ReachableTables* tables = walk();
  if (tables == nullptr || line == word) return nullptr;
  return tables->table(start, word.c_str(), section);
}

std::size_t IndexSearches::findFaction(const apstring& faction) {
  return ::findFaction(reader_, faction);
}

void IndexSearches::findHeading(std::size_t start, const apstring& word, std::string_view section) {
  ::findHeading(reader_, start, word, section);
}

void IndexSearches::pickEntry(int count, const apstring& word) {
  ::pickEntry(reader_, count, word);
}

std::vector<apstring> IndexSearches::readEntries(const apstring& word) {
  return ::readEntries(reader_, word);
}
