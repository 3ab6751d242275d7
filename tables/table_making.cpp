// SPDX-License-Identifier: MIT
#include "tables/table_making.h"

#include <algorithm>

#include "foundation/in_quotes.h"
#include "tables/entry_layout.h"
#include "tables/table_check.h"
#include "tables/table_fit.h"
#include "tables/table_search.h"

namespace {

// `name` with each line feed, carriage return and NUL byte written as \n, \r and \0, so that a
// message naming it stays on one line.
std::string withBreaksShown(const std::string& name) {
  std::string shown;
  for (const char c : name) {
    if (c == '\n') {
      shown += "\\n";
    } else if (c == '\r') {
      shown += "\\r";
    } else if (c == '\0') {
      shown += "\\0";
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace

std::string entryNameProblem(const std::string& name) {
  if (name.empty()) return "the design has no name";
  if (name.find_first_of(std::string_view("\n\r\0", 3)) != std::string::npos)
    return "the name " + inQuotes(withBreaksShown(name)) +
           " holds a line break or NUL byte, which the table file cannot keep in one line";
  for (const char* faction : kFactionHeadings)
    if (name == faction)
      return "the name " + inQuotes(name) +
             " is a faction heading; the table file would take it for that faction's section";
  for (const char* weight : kWeightHeadings)
    if (name == weight)
      return "the name " + inQuotes(name) +
             " is a weight heading; the table file would take it for a table's heading";
  return "";
}

std::vector<std::string> tableBaseProblems(std::string_view base, const std::string& baseName) {
  std::vector<std::string> problems = checkTableBytes(base, baseName);
  if (!problems.empty())
    problems.push_back(baseName +
                       " fails its check, so no table can be laid out over it; mend what the "
                       "check names (musterwright-cli --fit-tables mends line ends and the "
                       "filler)");
  return problems;
}

namespace {

constexpr std::size_t kLongestNamesShown = 5;

// Whether `design` goes on the table of `faction` (-1: the vehicle tables) and `weight`.
bool belongs(const ListedDesign& design, int faction, int weight) {
  if (design.weight != weight) return false;
  if (faction < 0) return design.kind == DesignKind::vehicle;
  return design.kind == DesignKind::mech && design.factions.test(static_cast<std::size_t>(faction));
}

// A table's new entry lines and the base's bytes they replace.
struct Splice {
  std::size_t begin = 0, end = 0;
  std::string lines;
};

// The bytes of the eleven entries after the heading of `weight` that the searches find from
// the faction's heading (or, for -1, from vehicleStart) in the checked `base`.
std::pair<std::size_t, std::size_t> entryBytes(const std::string& base, const std::string& name,
                                               int faction, int weight) {
  const TableIndex index(base, name);
  apstring line(" ");
  TableReader reader{index, line};
  const std::size_t start = faction < 0 ? static_cast<std::size_t>(vehicleStart)
                                        : findFaction(reader, kFactionHeadings[faction]);
  findHeading(reader, start, kWeightHeadings[weight], "a section");
  const std::size_t begin = reader.offset();
  std::size_t end = begin;
  for (int entry = 0; entry < kTableEntries; ++entry) end = base.find('\n', end) + 1;
  return {begin, end};
}

MadeEntry entryOf(const ListedDesign& design, int chance) {
  return {design.name, design.line, design.rarity, chance, {}};
}

// Lays out the table of `faction` and `weight` from its designs in list order.
std::pair<MadeTable, std::string> layOut(const std::vector<const ListedDesign*>& designs,
                                         int faction, int weight) {
  std::vector<std::int64_t> rarities;
  for (const ListedDesign* design : designs) rarities.push_back(design->rarity);
  const EntryLayout layout = layoutEntries(rarities);

  MadeTable table{faction, weight, 0, {}, {}};
  for (const std::size_t k : layout.kept) {
    table.raritySum += designs[k]->rarity;
    table.designs.push_back(entryOf(*designs[k], layout.chances[k]));
    for (int e = 0; e < kTableEntries; ++e)
      if (layout.entryDesign[e] == k) table.designs.back().entries.push_back(e + 1);
  }
  for (const std::size_t k : layout.leftOut) table.leftOut.push_back(entryOf(*designs[k], 0));
  std::string lines;
  for (const std::size_t k : layout.entryDesign) lines += designs[k]->name + '\n';
  return {std::move(table), std::move(lines)};
}

std::string overflowProblem(const std::string& baseName, std::size_t used,
                            const std::vector<MadeTable>& tables) {
  std::vector<const MadeEntry*> names;
  for (const MadeTable& table : tables) {
    if (table.faction < 0) continue;
    for (const MadeEntry& entry : table.designs) {
      const bool seen = std::any_of(names.begin(), names.end(),
                                    [&](const MadeEntry* n) { return n->name == entry.name; });
      if (!seen) names.push_back(&entry);
    }
  }
  std::stable_sort(names.begin(), names.end(), [](const MadeEntry* a, const MadeEntry* b) {
    return a->name.size() > b->name.size();
  });
  names.resize(std::min(names.size(), kLongestNamesShown));
  std::string longest;
  for (const MadeEntry* entry : names)
    longest += (longest.empty() ? "" : ", ") + inQuotes(entry->name) + " (line " +
               std::to_string(entry->line) + ", " + std::to_string(entry->name.size()) + " bytes)";
  const auto limit = static_cast<std::size_t>(vehicleStart);
  return baseName + ": the faction tables laid out take " + std::to_string(used) +
         " bytes, but the vehicle section begins at byte " + std::to_string(limit) + "; " +
         std::to_string(used - limit) +
         " bytes must go (shorter names, fewer factions or fewer designs). The longest names: " +
         longest;
}

}  // namespace

TableMaking makeTableFile(std::string_view base, const std::string& baseName,
                          std::span<const ListedDesign> designs, const std::string& listName) {
  TableMaking making;
  for (const ListedDesign& design : designs)
    if (const std::string problem = entryNameProblem(design.name); !problem.empty())
      making.problems.push_back(listName + ", line " + std::to_string(design.line) + ": " +
                                problem);
  if (!making.problems.empty()) return making;
  making.problems = tableBaseProblems(base, baseName);
  if (!making.problems.empty()) return making;

  const std::string text(base);
  std::vector<Splice> splices;
  for (int faction = 0; faction <= static_cast<int>(kFactionHeadings.size()); ++faction) {
    const int owner = faction == static_cast<int>(kFactionHeadings.size()) ? -1 : faction;
    for (int weight = 0; weight < static_cast<int>(kWeightHeadings.size()); ++weight) {
      std::vector<const ListedDesign*> listed;
      for (const ListedDesign& design : designs)
        if (belongs(design, owner, weight)) listed.push_back(&design);
      if (listed.empty()) continue;
      auto [table, lines] = layOut(listed, owner, weight);
      const auto [begin, end] = entryBytes(text, baseName, owner, weight);
      making.tables.push_back(std::move(table));
      splices.push_back({begin, end, std::move(lines)});
    }
  }
  std::sort(splices.begin(), splices.end(),
            [](const Splice& a, const Splice& b) { return a.begin < b.begin; });
  std::string made;
  std::size_t at = 0;
  for (const Splice& splice : splices) {
    made.append(text, at, splice.begin - at).append(splice.lines);
    at = splice.end;
  }
  made.append(text, at);

  making.bytesUsed = fillerStart(made).value_or(made.size());
  const auto limit = static_cast<std::size_t>(vehicleStart);
  if (making.bytesUsed > limit) {
    making.problems.push_back(overflowProblem(baseName, making.bytesUsed, making.tables));
    return making;
  }
  making.bytesLeft = limit - making.bytesUsed;
  TableFit fit = fitTableBytes(made, baseName);
  making.bytes = std::move(fit.bytes);
  making.problems = std::move(fit.problems);
  return making;
}
