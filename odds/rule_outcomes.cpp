// SPDX-License-Identifier: MIT
#include "odds/rule_outcomes.h"

#include "generator/choice_lists.h"

std::vector<FactionOutcome> factionOutcomes(const std::string& faction) {
  std::vector<FactionOutcome> outcomes;
  if (faction == kRandomChoice) {
    forEachRow(outcomesOf(kHouses), [&](const HouseRow& row, const Fraction& chance) {
      outcomes.push_back({row.house, row.clan, chance});
    });
    return outcomes;
  }
  return {
      {faction, isClanFaction(faction), Fraction(1)}
  };
}

std::vector<SizeOutcome> sizeOutcomes(const std::string& size, bool clan) {
  std::vector<SizeOutcome> outcomes;
  if (size == kRandomChoice) {
    forEachRow(outcomesOf(clan ? kClanSizes : kHouseSizes),
               [&](const SizeRow& row, const Fraction& chance) {
                 outcomes.push_back({row.size, row.groups, chance});
               });
    return outcomes;
  }
  for (const SizeWord& entry : kSizeWords) {
    if (size == entry.word) outcomes.push_back({size, entry.groups, Fraction(1)});
  }
  return outcomes;
}

Tally<std::string> weightOutcomes(const std::string& weight, int groups, bool clan) {
  Tally<std::string> outcomes;
  if (weight == kRandomChoice && groups == 1) {
    forEachRow(outcomesOf(kWeights), [&](const WeightRow& row, const Fraction& chance) {
      outcomes.add(clan ? row.clan : row.house, chance);
    });
  } else {
    outcomes.add(weight, Fraction(1));
  }
  return outcomes;
}

Tally<std::string> experienceOutcomes(const std::string& experience) {
  Tally<std::string> outcomes;
  if (experience == kRandomChoice) {
    forEachRow(outcomesOf(kExperiences),
               [&](const WordRow& row, const Fraction& chance) { outcomes.add(row.word, chance); });
  } else {
    outcomes.add(experience, Fraction(1));
  }
  return outcomes;
}

Tally<std::string> groupWeights(int groups, bool clan, const std::string& weight) {
  Tally<std::string> expected;
  const UnitFormation formation = formationFor(groups, clan);
  if (!formation.table) {
    expected.add(weight, Fraction(1));
    return expected;
  }
  forEachRow(outcomesOf(*formation.table), [&](const FormationRow& row, const Fraction& chance) {
    for (const char* word : groupsOf(row)) expected.add(word, chance * Fraction(formation.rolls));
  });
  return expected;
}

Tally<std::string> slotWeights(bool clan, const std::string& groupWeight) {
  Tally<std::string> expected;
  for (const CompositionOutcome& outcome : compositionOutcomes(clan, groupWeight)) {
    for (const char* slotWeight : outcome.slotWeights)
      expected.add(slotWeight, Fraction(outcome.ways, outcome.outOf));
  }
  return expected;
}
