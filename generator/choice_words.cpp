// SPDX-License-Identifier: MIT
#include "generator/choice_words.h"

#include <algorithm>

#include "generator/choice_lists.h"

namespace {

// Another spelling that a list takes for one of its words.
struct Alias {
  ChoiceList list;
  const char* spelling;
  const char* word;
};
constexpr Alias kAliases[] = {
    {ChoiceList::size, "Battalion", "Batallion"},
    {ChoiceList::size, "Regiment",  "Regement" },
};

char lowerCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return lowerCase(x) == lowerCase(y); });
}

}  // namespace

std::span<const char* const> choiceWords(ChoiceList list) {
  switch (list) {
    case ChoiceList::faction:
      return kFactionChoices;
    case ChoiceList::size:
      return kSizeChoices;
    case ChoiceList::weight:
      return kWeightChoices;
    case ChoiceList::experience:
      break;
  }
  return kExperienceChoices;
}

std::optional<std::string_view> matchWord(std::span<const char* const> words,
                                          std::string_view word) {
  for (const char* listed : words)
    if (sameIgnoringCase(word, listed)) return listed;
  return std::nullopt;
}

std::optional<std::string_view> choiceWord(ChoiceList list, std::string_view word) {
  if (const auto listed = matchWord(choiceWords(list), word)) return listed;
  for (const Alias& alias : kAliases)
    if (alias.list == list && sameIgnoringCase(word, alias.spelling)) return alias.word;
  return std::nullopt;
}
