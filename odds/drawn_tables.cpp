// SPDX-License-Identifier: MIT
#include "odds/drawn_tables.h"

#include <algorithm>

#include "generator/rule_tables.h"
#include "tables/table_search.h"

const std::array<Fraction, kTableEntries>& entryChances() {
  static const std::array<Fraction, kTableEntries> chances = [] {
    std::array<Fraction, kTableEntries> sums{};
    for (int first = 0; first < 6; ++first) {
      for (int second = 0; second < 6; ++second)
        sums[entryPicked(first, second) - 1] += Fraction(1, 36);
    }
    return sums;
  }();
  return chances;
}

DrawnTables::DrawnTables(std::string bytes, std::string fileName)
    : bytes_(std::move(bytes)), fileName_(std::move(fileName)), file_(bytes_), line_(" ") {}

std::streamoff DrawnTables::factionStart(const std::string& faction) {
  line_ = " ";
  TableReader reader{file_, line_, fileName_};
  return findFaction(reader, faction.c_str());
}

const DrawnTable& DrawnTables::table(std::streamoff start, const std::string& word,
                                     std::string_view section) {
  const auto key = std::make_pair(start, word);
  if (const auto known = found_.find(key); known != found_.end()) return known->second;

  const apstring heading = word.c_str();
  TableReader reader{file_, line_, fileName_};
  line_ = " ";
  findHeading(reader, start, heading, section);
  const std::streamoff tableStart = file_.tellg();
  DrawnTable table;
  table.headingLine = static_cast<long>(
      std::count(bytes_.begin(), bytes_.begin() + std::max<std::streamoff>(tableStart, 0), '\n'));
  const std::vector<apstring> entries = readEntries(reader, heading);
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const std::string name = entries[k].c_str();
    const Fraction chance = entryChances()[k];
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
