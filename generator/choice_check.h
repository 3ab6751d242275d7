// SPDX-License-Identifier: MIT
// The one check of the four choice words, for a run and for its odds alike: each word must be a
// word of its list (generator/choice_lists.h) or empty, and an empty word counts as "Random".
#ifndef MUSTERWRIGHT_GENERATOR_CHOICE_CHECK_H
#define MUSTERWRIGHT_GENERATOR_CHOICE_CHECK_H

#include <stdexcept>
#include <string>
#include <string_view>

// A selection that cannot be generated: a faction, size, weight or experience word that is
// in no list. The message names the word and the list's words.
class SelectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The four choice words as a run takes them.
struct ChoiceWords {
  std::string faction, size, weight, experience;
};

// The four words, each as given or "Random" when empty. Checks them in the order given and
// throws SelectionError for the first that is in no list ("unknown unit size "Platoon":
// expected Lance, Company, ..., Random").
ChoiceWords checkedChoices(std::string_view faction, std::string_view size, std::string_view weight,
                           std::string_view experience);

#endif
