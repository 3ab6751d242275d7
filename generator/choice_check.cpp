// SPDX-License-Identifier: MIT
#include "generator/choice_check.h"

#include <span>

#include "generator/choice_lists.h"

namespace {

std::string checkedWord(std::string_view word, std::span<const char* const> choices,
                        const char* what) {
  if (word.empty()) return kRandomChoice;
  std::string expected;
  for (const char* choice : choices) {
    if (word == choice) return std::string(word);
    expected.append(expected.empty() ? "" : ", ").append(choice);
  }
  throw SelectionError(std::string("unknown ") + what + " \"" + std::string(word) +
                       "\": expected " + expected);
}

}  // namespace

ChoiceWords checkedChoices(std::string_view faction, std::string_view size, std::string_view weight,
                           std::string_view experience) {
  ChoiceWords words;
  words.faction = checkedWord(faction, kFactionChoices, "faction");
  words.size = checkedWord(size, kSizeChoices, "unit size");
  words.weight = checkedWord(weight, kWeightChoices, "weight");
  words.experience = checkedWord(experience, kExperienceChoices, "experience");
  return words;
}
