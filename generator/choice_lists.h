// SPDX-License-Identifier: MIT
// The words of the four choice lists, in list order, exactly as every front end offers
// them. Each list ends with "Random". The factions are the table file's faction headings (the
// six Houses, then the four Clans), the weights its weight headings, the sizes the words of
// the size table.
#ifndef MUSTERWRIGHT_GENERATOR_CHOICE_LISTS_H
#define MUSTERWRIGHT_GENERATOR_CHOICE_LISTS_H

#include <array>
#include <cstddef>

#include "generator/rule_tables.h"
#include "tables/table_layout.h"

// The word that leaves a choice to the dice; every list ends with it.
inline constexpr const char* kRandomChoice = "Random";

// `words` followed by "Random".
template <std::size_t N>
constexpr std::array<const char*, N + 1> withRandom(const std::array<const char*, N>& words) {
  std::array<const char*, N + 1> list{};
  for (std::size_t k = 0; k < N; ++k) list[k] = words[k];
  list[N] = kRandomChoice;
  return list;
}

// The words of the size table, in its order.
constexpr std::array<const char*, std::size(kSizeWords)> sizeWords() {
  std::array<const char*, std::size(kSizeWords)> words{};
  for (std::size_t k = 0; k < words.size(); ++k) words[k] = kSizeWords[k].word;
  return words;
}

inline constexpr auto kFactionChoices = withRandom(kFactionHeadings);
inline constexpr auto kSizeChoices = withRandom(sizeWords());
inline constexpr auto kWeightChoices = withRandom(kWeightHeadings);
inline constexpr auto kExperienceChoices =
    withRandom(std::array<const char*, 4>{"Green", "Regular", "Veteran", "Elite"});

#endif
