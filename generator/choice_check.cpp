// SPDX-License-Identifier: MIT
#include "generator/choice_check.h"

#include <span>
#include <string>

#include "generator/choice_lists.h"

namespace {

std::string checkedWord(std::string_view word, std::span<const char* const> choices,
                        const char* what) {
  word = randomIfEmpty(word);
  std::string expected;
  for (const char* choice : choices) {
    if (word == choice) return std::string(word);
    expected.append(expected.empty() ? "" : ", ").append(choice);
  }
  throw SelectionError(std::string("unknown ") + what + " \"" + std::string(word) +
                       "\": expected " + expected);
}

}  // namespace

Selection checkedChoices(const Selection& choices) {
  Selection words = choices;
  words.house = checkedWord(choices.house, kFactionChoices, "faction");
  words.size = checkedWord(choices.size, kSizeChoices, "unit size");
  words.weight = checkedWord(choices.weight, kWeightChoices, "weight");
  words.experience = checkedWord(choices.experience, kExperienceChoices, "experience");
  return words;
}
