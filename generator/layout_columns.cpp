// SPDX-License-Identifier: MIT
#include "generator/layout_columns.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <span>

#include "foundation/in_quotes.h"
#include "generator/choice_words.h"

namespace {

struct RarityWord {
  const char* word;
  std::int64_t hundredths;
};
constexpr RarityWord kRarities[] = {
    {"common",    800},
    {"uncommon",  400},
    {"rare",      200},
    {"very rare", 100},
};
constexpr std::int64_t kMostRarity = 100000;  // 1,000 in hundredths

constexpr std::array<const char*, 2> kKinds = {"mech", "vehicle"};

std::string trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

// The index of `word` in `words`, matched as the choice lists match; none when it is none.
std::optional<int> indexOf(std::span<const char* const> words, std::string_view word) {
  const auto match = matchWord(words, word);
  if (!match) return std::nullopt;
  return static_cast<int>(std::find(words.begin(), words.end(), match->data()) - words.begin());
}

std::string listed(std::span<const char* const> words) {
  std::string text;
  for (const char* word : words) text += (text.empty() ? "" : ", ") + std::string(word);
  return text;
}

// A number above 0 and at most 1,000 with at most two decimals, in hundredths.
std::optional<std::int64_t> hundredths(const std::string& text) {
  const std::size_t point = text.find('.');
  const std::string whole = text.substr(0, point);
  std::string decimals = point == std::string::npos ? "" : text.substr(point + 1);
  if (whole.empty() || decimals.size() > 2 || (point != std::string::npos && decimals.empty()))
    return std::nullopt;
  const auto digits = [](const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (!digits(whole) || !digits(decimals) || whole.size() > 4) return std::nullopt;
  decimals.resize(2, '0');
  const std::int64_t value = std::stoll(whole) * 100 + std::stoll(decimals);
  if (value <= 0 || value > kMostRarity) return std::nullopt;
  return value;
}

std::optional<std::int64_t> rarityOf(const std::string& text) {
  if (text.empty()) return kRarities[0].hundredths;
  for (const RarityWord& rarity : kRarities)
    if (matchWord(std::span<const char* const>(&rarity.word, 1), text)) return rarity.hundredths;
  return hundredths(text);
}

}  // namespace

LayoutRead readLayoutCells(const std::string& name, std::size_t line, const LayoutCells& cells,
                           const std::string& listName) {
  LayoutRead read;
  const std::string weightText = trimmed(cells.weightClass);
  if (weightText.empty()) return read;
  const auto problem = [&](const std::string& text) {
    read.problems.push_back(listName + ", line " + std::to_string(line) + ": " + text);
  };

  ListedDesign design;
  design.name = name;
  design.line = line;
  const std::optional<int> weight = indexOf(kWeightHeadings, weightText);
  if (!weight)
    problem("the weight class " + inQuotes(weightText) + " is none of " + listed(kWeightHeadings));
  design.weight = weight.value_or(0);

  const std::string kindText = trimmed(cells.kind);
  const std::optional<int> kind = kindText.empty() ? 0 : indexOf(kKinds, kindText);
  if (!kind) problem("the kind " + inQuotes(kindText) + " is none of mech, vehicle");
  design.kind = kind == 1 ? DesignKind::vehicle : DesignKind::mech;

  if (design.kind == DesignKind::mech) {
    const std::string factions = trimmed(cells.factions);
    for (std::size_t start = 0; start <= factions.size();) {
      const std::size_t end = std::min(factions.find(';', start), factions.size());
      const std::string word = trimmed(std::string_view(factions).substr(start, end - start));
      start = end + 1;
      if (word.empty()) continue;
      const auto faction = choiceWord(ChoiceList::faction, word);
      const std::optional<int> index = faction ? indexOf(kFactionHeadings, *faction) : std::nullopt;
      if (index) {
        design.factions.set(static_cast<std::size_t>(*index));
      } else if (matchWord(std::array<const char*, 1>{"all"}, word)) {
        design.factions.set();
      } else {
        problem("the faction " + inQuotes(word) + " is none of " + listed(kFactionHeadings) +
                ", all");
      }
    }
    if (factions.find_first_not_of("; \t") == std::string::npos)
      problem("a mech needs its factions: faction words separated by \";\", or all");
  }

  const std::string rarityText = trimmed(cells.rarity);
  const std::optional<std::int64_t> rarity = rarityOf(rarityText);
  if (!rarity)
    problem("the rarity " + inQuotes(rarityText) +
            " is none of common, uncommon, rare, very rare, and no number above 0 and at most "
            "1,000 with at most two decimals");
  design.rarity = rarity.value_or(0);
  if (const std::string misread = entryNameProblem(name); !misread.empty()) problem(misread);
  if (read.problems.empty()) read.design = std::move(design);
  return read;
}

LayoutList readLayoutList(std::string_view bytes, const std::string& listName) {
  LayoutList list;
  const auto check = [&](const DesignNumbers& row) {
    LayoutRead read = readLayoutCells(row.written, row.line, row.layout, listName);
    if (read.design) list.designs.push_back(std::move(*read.design));
    return read.problems;
  };
  const std::string stem = std::filesystem::path(listName).stem().string();
  list.read = readDesignList(bytes, listName, stem, {}, UnknownNames::quiet, check);
  if (list.designs.empty())
    throw DesignListError(listName +
                          ": no row has a weight_class; the tables are laid out from the rows "
                          "that have one");
  return list;
}
