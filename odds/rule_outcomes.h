// SPDX-License-Identifier: MIT
// The rule tables (generator/rule_tables.h) as chances: what each roll of a Generate run can give
// and how likely each result is, for the words a Random choice turns into, the weight classes of
// a unit's groups and of a group's slots. Each figure comes from the rows a table's dice reach
// (outcomesOf) and the generator's own lookups (formation, composition), never from copies of
// the rows, the dice or the rules.
#ifndef MUSTERWRIGHT_ODDS_RULE_OUTCOMES_H
#define MUSTERWRIGHT_ODDS_RULE_OUTCOMES_H

#include <string>
#include <vector>

#include "generator/rule_tables.h"
#include "odds/tally.h"

// The faction a faction choice gives: each of the ten for "Random", else the one chosen.
struct FactionOutcome {
  std::string word;
  bool clan;
  Fraction chance;
};
std::vector<FactionOutcome> factionOutcomes(const std::string& faction);

// The size a size choice gives a House or Clan force, with its number of groups.
struct SizeOutcome {
  std::string word;
  int groups;
  Fraction chance;
};
std::vector<SizeOutcome> sizeOutcomes(const std::string& size, bool clan);

// The weight word of the force: rolled for a Random single group, kept as chosen otherwise.
Tally<std::string> weightOutcomes(const std::string& weight, int groups, bool clan);

// The experience word: rolled for "Random", else the one chosen.
Tally<std::string> experienceOutcomes(const std::string& experience);

// The expected number of groups of each weight class in a unit of `groups` groups whose
// weight word is `weight`.
Tally<std::string> groupWeights(int groups, bool clan, const std::string& weight);

// The expected number of slots of each weight class in one group of weight `groupWeight`.
Tally<std::string> slotWeights(bool clan, const std::string& groupWeight);

#endif
