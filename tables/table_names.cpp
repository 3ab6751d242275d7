// SPDX-License-Identifier: MIT
#include "tables/table_names.h"

#include <algorithm>
#include <sstream>

#include "tables/table_error.h"
#include "tables/table_layout.h"
#include "tables/table_search.h"

namespace {

void addTable(TableReader& reader, std::streamoff start, const char* weight,
              std::vector<std::string>& names) {
  reader.line = " ";
  try {
    findHeading(reader, start, weight, "a section");
    for (const apstring& entry : readEntries(reader, weight)) {
      const std::string name = entry.c_str();
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
  } catch (const TableError&) {
    // a table the draws cannot reach offers no name
  }
}

}  // namespace

std::vector<std::string> tableDesignNames(const std::string& bytes, std::string_view fileName) {
  std::istringstream file(bytes);
  apstring line(" ");
  TableReader reader{file, line, fileName};
  std::vector<std::string> names;
  for (const char* faction : kFactionHeadings) {
    std::streamoff start = 0;
    try {
      line = " ";
      start = findFaction(reader, faction);
    } catch (const TableError&) {
      continue;
    }
    for (const char* weight : kWeightHeadings) addTable(reader, start, weight, names);
  }
  for (const char* weight : kWeightHeadings) addTable(reader, vehicleStart, weight, names);
  return names;
}
