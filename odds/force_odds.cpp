// SPDX-License-Identifier: MIT
#include "odds/force_odds.h"

#include <algorithm>
#include <map>
#include <span>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "generator/choice_check.h"
#include "generator/choice_lists.h"
#include "generator/force.h"
#include "generator/owned_draw.h"
#include "odds/drawn_tables.h"
#include "odds/rule_outcomes.h"
#include "odds/tally.h"

namespace {

bool inList(std::span<const char* const> words, const std::string& word) {
  return std::any_of(words.begin(), words.end(), [&](const char* w) { return word == w; });
}

// What one pass over every outcome of the choices adds up, each figure weighted by the chance
// of the outcome: the chance of each word, and the expected numbers of one force.
struct Sums {
  Tally<std::string> factions, sizes, weights, experiences;
  Tally<std::string> groupWeights, slotWeights;
  Tally<std::pair<std::string, std::string>> tableSlots;  // (faction, weight class): slots
  Tally<std::string> battleArmourSlots;                   // group weight word: slots
  Tally<std::pair<bool, std::string>> crewSlots;          // (clan, experience): slots
  Fraction groups, slots;
};

void addUnit(Sums& sums, const FactionOutcome& faction, const SizeOutcome& size,
             const std::string& weight, const Fraction& chance,
             const Tally<std::string>& experiences) {
  const int slotsPerGroup = groupSizeFor(faction.clan);
  sums.groups += chance * Fraction(size.groups);
  sums.slots += chance * Fraction(size.groups * slotsPerGroup);
  for (const auto& [experience, share] : experiences.entries())
    sums.crewSlots.add({faction.clan, experience},
                       chance * share * Fraction(size.groups * slotsPerGroup));
  const Tally<std::string> unitGroups = groupWeights(size.groups, faction.clan, weight);
  for (const auto& [groupWeight, groups] : unitGroups.entries()) {
    sums.groupWeights.add(groupWeight, chance * groups);
    if (battleArmourName(groupWeight)) {
      sums.slotWeights.add(groupWeight, chance * groups * Fraction(slotsPerGroup));
      sums.battleArmourSlots.add(groupWeight, chance * groups * Fraction(slotsPerGroup));
      continue;
    }
    const Tally<std::string> slots = slotWeights(faction.clan, groupWeight);
    for (const auto& [slotWeight, count] : slots.entries()) {
      sums.slotWeights.add(slotWeight, chance * groups * count);
      sums.tableSlots.add({faction.word, slotWeight}, chance * groups * count);
    }
  }
}

Sums sumOutcomes(const Selection& choices, const std::vector<FactionOutcome>& factions) {
  Sums sums;
  const Tally<std::string> experiences = experienceOutcomes(choices.experience);
  for (const auto& [word, chance] : experiences.entries()) sums.experiences.add(word, chance);
  for (const FactionOutcome& faction : factions) {
    sums.factions.add(faction.word, faction.chance);
    for (const SizeOutcome& size : sizeOutcomes(choices.size, faction.clan)) {
      const Fraction sizeChance = faction.chance * size.chance;
      sums.sizes.add(size.word, sizeChance);
      const Tally<std::string> weights = weightOutcomes(choices.weight, size.groups, faction.clan);
      for (const auto& [weight, chance] : weights.entries()) {
        sums.weights.add(weight, sizeChance * chance);
        addUnit(sums, faction, size, weight, sizeChance * chance, experiences);
      }
    }
  }
  return sums;
}

// The weight classes in the generator's weight order; other words after, as met.
template <class Key>
std::vector<std::pair<Key, Fraction>> byWeight(const Tally<Key>& tally, auto weightOf) {
  auto rows = tally.entries();
  std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
    return weightRank(weightOf(a.first)) < weightRank(weightOf(b.first));
  });
  return rows;
}

const std::string& sameWord(const std::string& word) {
  return word;
}

OddsPart choicePart(OddsPartKind kind, const Tally<std::string>& chances) {
  OddsPart part{kind, {}};
  for (const auto& [word, chance] : byWeight(chances, sameWord))
    part.rows.push_back({"", "", 0, word, chance, std::nullopt});
  return part;
}

// Rows of expected numbers with their share of `total`.
OddsPart countPart(OddsPartKind kind, const std::vector<std::pair<std::string, Fraction>>& counts,
                   const Fraction& total) {
  OddsPart part{kind, {}};
  for (const auto& [word, count] : counts)
    part.rows.push_back(
        {"", kind == OddsPartKind::crewSkills ? "" : word, 0, word, count / total, count});
  return part;
}

// Where the draws of a section start: a faction's section, or the vehicle section.
struct DrawSource {
  std::string label;
  std::size_t start;
  const char* section;  // as the generation names it in messages
};

struct Sources {
  std::map<std::string, DrawSource> factions;
  DrawSource vehicles{"vehicles", static_cast<std::size_t>(vehicleStart), kVehicleSectionName};
};

// The designs of `table` with their chance on one draw: as the table has them, or, drawing from
// owned copies, each owned design's weight over the owned weight (none when nothing is owned).
std::vector<std::pair<std::string, Fraction>> drawChances(const DrawnTable& table,
                                                          const Selection& choices) {
  if (!drawsFromOwned(choices.collection, choices.unique)) return table.designs;
  std::vector<std::pair<std::string, Fraction>> owned;
  Fraction ownedWeight;
  for (const auto& [name, chance] : table.designs) {
    if (copiesOwned(choices.collection, choices.unique, name) == 0) continue;
    owned.emplace_back(name, chance);
    ownedWeight += chance;
  }
  for (auto& design : owned) design.second /= ownedWeight;
  return owned;
}

// Adds the rows of one table; throws HeadingEntryError for an entry that is a weight heading.
void addTable(OddsPart& part, DrawnTables& text, const DrawSource& source, const char* weight,
              const Selection& choices) {
  const DrawnTable& table = text.table(source.start, weight, source.section);
  for (const auto& [name, chance] : table.designs) {
    if (inList(kWeightHeadings, name))
      throw HeadingEntryError("the " + source.label + " " + weight + " table (heading on line " +
                              std::to_string(table.headingLine) + ") has an entry \"" + name +
                              "\", a weight heading: the draw after it would depend on it; "
                              "see --check-tables");
  }
  const auto chances = drawChances(table, choices);
  for (const auto& [name, chance] : chances)
    part.rows.push_back({source.label, weight, table.headingLine, name, chance, std::nullopt});
  if (chances.empty())
    part.rows.push_back(
        {source.label, weight, table.headingLine, kNoneOwnedItem, Fraction(1), std::nullopt});
}

// Every faction's four tables, then with vehicles the vehicle tables; finds the sections.
OddsPart tablePart(DrawnTables& text, const std::vector<FactionOutcome>& factions,
                   const Selection& choices, Sources& sources) {
  OddsPart part{OddsPartKind::tables, {}};
  for (const FactionOutcome& faction : factions) {
    const DrawSource source{faction.word, text.factionStart(faction.word), kFactionSectionName};
    sources.factions.emplace(faction.word, source);
    for (const char* weight : kWeightHeadings) addTable(part, text, source, weight, choices);
  }
  if (choices.withVehicles) {
    for (const char* weight : kWeightHeadings)
      addTable(part, text, sources.vehicles, weight, choices);
  }
  return part;
}

// Each slot that takes a table entry draws, with vehicles allowed and a vehicle roll that gives a
// vehicle, from the vehicle table of its weight class, otherwise from the faction's. A slot
// whose table owns no design is counted as "open", and added to `openSlots` by Clan (true) and
// House.
OddsPart designPart(const Sums& sums, const Selection& choices, DrawnTables& text,
                    const Sources& sources, Tally<bool>& openSlots) {
  Tally<std::string> kindShares;
  if (choices.withVehicles) {
    forEachRow(outcomesOf(kVehicleRolls), [&](const VehicleRow& row, const Fraction& chance) {
      kindShares.add(row.vehicle ? "vehicle" : "mech", chance);
    });
  } else {
    kindShares.add("mech", Fraction(1));
  }
  struct DesignKey {
    std::string kind, weight, name;
    // Spelled out: the WebAssembly build's standard library has no <=> for strings.
    bool operator<(const DesignKey& other) const {
      return std::tie(kind, weight, name) < std::tie(other.kind, other.weight, other.name);
    }
  };
  Tally<DesignKey> designs;
  for (const auto& [place, slots] : sums.tableSlots.entries()) {
    const auto& [faction, weight] = place;
    for (const auto& [kind, share] : kindShares.entries()) {
      const DrawSource& source =
          kind == "vehicle" ? sources.vehicles : sources.factions.at(faction);
      const auto chances = drawChances(text.table(source.start, weight, source.section), choices);
      for (const auto& [name, chance] : chances)
        designs.add({kind, weight, name}, slots * share * chance);
      if (chances.empty()) {
        designs.add({"open", weight, "(open)"}, slots * share);
        openSlots.add(isClanFaction(faction), slots * share);
      }
    }
  }
  for (const auto& [groupWeight, slots] : sums.battleArmourSlots.entries())
    designs.add({"battle armour", groupWeight, battleArmourName(groupWeight)}, slots);
  OddsPart part{OddsPartKind::designs, {}};
  for (const auto& [key, count] : byWeight(designs, [](const DesignKey& k) { return k.weight; }))
    part.rows.push_back({key.kind, key.weight, 0, key.name, count / sums.slots, count});
  return part;
}

// The crews of the slots that take one: an open slot rolls none, and whether a slot stays open
// does not depend on the experience word, so each word loses its share of `openSlots`.
OddsPart crewPart(const Sums& sums, const Tally<bool>& openSlots) {
  Tally<std::string> crews;
  Fraction crewed = sums.slots;
  for (const auto& [clan, open] : openSlots.entries()) crewed += open * Fraction(-1);
  for (const auto& [crew, count] : sums.crewSlots.entries()) {
    const bool clan = crew.first;
    const std::string& experience = crew.second;
    Fraction slots = count;
    for (const auto& [openClan, open] : openSlots.entries())
      for (const auto& [word, chance] : sums.experiences.entries())
        if (openClan == clan && word == experience) slots += open * chance * Fraction(-1);
    const RuleTable<SkillRow>* table = crewSkillTable(experience);
    if (!table) throw std::logic_error("no crew skill table for an experience word");
    forEachRow(outcomesOf(*table, Roller{clan}), [&](const SkillRow& row, const Fraction& chance) {
      crews.add(std::string("P: ") + row.piloting + " G: " + row.gunnery, slots * chance);
    });
  }
  if (crewed == Fraction(0)) return {OddsPartKind::crewSkills, {}};  // every slot stays open
  return countPart(OddsPartKind::crewSkills, crews.entries(), crewed);
}

}  // namespace

OddsReport computeOdds(const Selection& given, const std::string& tableBytes,
                       std::string_view fileName) {
  OddsReport report;
  Selection& choices = report.choices;
  try {
    choices = checkedChoices(given);
  } catch (const SelectionError& error) {
    throw OddsError(error.what());
  }

  DrawnTables text(tableBytes, std::string(fileName));
  const std::vector<FactionOutcome> factions = factionOutcomes(choices.house);
  Sources sources;
  report.parts.push_back(tablePart(text, factions, choices, sources));

  const Sums sums = sumOutcomes(choices, factions);
  const std::tuple<const std::string&, OddsPartKind, const Tally<std::string>&> choiceParts[] = {
      {choices.house,      OddsPartKind::factions,    sums.factions   },
      {choices.size,       OddsPartKind::sizes,       sums.sizes      },
      {choices.weight,     OddsPartKind::weights,     sums.weights    },
      {choices.experience, OddsPartKind::experiences, sums.experiences},
  };
  for (const auto& [chosen, kind, chances] : choiceParts) {
    if (chosen == kRandomChoice) report.parts.push_back(choicePart(kind, chances));
  }
  report.parts.push_back(
      countPart(OddsPartKind::groupWeights, byWeight(sums.groupWeights, sameWord), sums.groups));
  report.parts.push_back(
      countPart(OddsPartKind::slotWeights, byWeight(sums.slotWeights, sameWord), sums.slots));
  Tally<bool> openSlots;
  report.parts.push_back(designPart(sums, choices, text, sources, openSlots));
  if (drawsFromOwned(choices.collection, choices.unique)) {
    report.openSlots = Fraction(0);
    for (const auto& [clan, open] : openSlots.entries()) *report.openSlots += open;
  }
  report.parts.push_back(crewPart(sums, openSlots));
  return report;
}
