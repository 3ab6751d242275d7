// SPDX-License-Identifier: MIT
// The one check of the four choice words, for a run and for its odds alike: each word must be a
// word of its list (generator/choice_lists.h) or empty, and an empty word counts as "Random".
#ifndef MUSTERWRIGHT_GENERATOR_CHOICE_CHECK_H
#define MUSTERWRIGHT_GENERATOR_CHOICE_CHECK_H

#include <stdexcept>

#include "generator/choices.h"

// A selection that cannot be generated: a faction, size, weight or experience word that is
// in no list. The message names the word and the list's words.
class SelectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `choices` with each word as given or "Random" when empty (randomIfEmpty). Checks the faction,
// size, weight and experience in that order and throws SelectionError for the first that is in
// no list ("unknown unit size "Platoon": expected Lance, Company, ..., Random").
Selection checkedChoices(const Selection& choices);

#endif
