// SPDX-License-Identifier: MIT
#include "odds/rule_outcomes.h"

#include "generator/choice_lists.h"
#include "generator/formation.h"

std::vector<FactionOutcome> factionOutcomes(const std::string& faction) {
  std::vector<FactionOutcome> outcomes;
  if (faction == kRandomChoice) {
    forEachTotal(1, 10, [&](int roll, const Fraction& chance) {
      const HouseRow& row = rowFor(kHouses, roll);
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
    const auto take = [&](const SizeRow& row, const Fraction& chance) {
      outcomes.push_back({row.size, row.groups, chance});
    };
    if (clan) {
      forEachTotal(1, 5, [&](int roll, const Fraction& c) { take(rowFor(kClanSizes, roll), c); });
    } else {
      forEachTotal(1, 4, [&](int roll, const Fraction& c) { take(rowFor(kHouseSizes, roll), c); });
    }
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
    forEachTotal(2, 6, [&](int roll, const Fraction& chance) {
      const WeightRow& row = rowFor(kWeights, roll);
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
    forEachTotal(2, 6, [&](int roll, const Fraction& chance) {
      outcomes.add(rowFor(kExperiences, roll).word, chance);
    });
  } else {
    outcomes.add(experience, Fraction(1));
  }
  return outcomes;
}

Tally<std::string> groupWeights(int groups, bool clan, const std::string& weight) {
  Tally<std::string> expected;
  if (groups == 1) {
    expected.add(weight, Fraction(1));
  } else if (groups == 2) {
    forEachTotal(2, 6, [&](int roll, const Fraction& chance) {
      const TwoGroupRow& row = rowFor(kTwoGroups, roll);
      expected.add(row.first, chance);
      expected.add(row.second, chance);
    });
  } else {
    const int blocks = blockCount(groups);
    const auto take = [&](const BlockRow& row, const Fraction& chance) {
      for (const char* word : {row.first, row.second, row.third})
        expected.add(word, chance * Fraction(blocks));
    };
    if (clan) {
      forEachTotal(2, 6, [&](int roll, const Fraction& c) { take(rowFor(kThreeStars, roll), c); });
    } else {
      forEachTotal(1, 6, [&](int roll, const Fraction& c) { take(rowFor(kThreeLances, roll), c); });
    }
  }
  return expected;
}

Tally<std::string> slotWeights(bool clan, const std::string& groupWeight) {
  Tally<std::string> expected;
  forEachTotal(1, 6, [&](int die, const Fraction& chance) {
    for (const char* slotWeight : compositionFor(clan, groupWeight, die))
      expected.add(slotWeight, chance);
  });
  return expected;
}
