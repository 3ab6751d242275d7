// SPDX-License-Identifier: MIT
// The choices of one run, as every front end hands them over: the four words and the Include
// Vehicles box, and the designs the draws may take. Generate, the odds, the window's Recent list
// and the command line all hold them in this one record.
#ifndef MUSTERWRIGHT_GENERATOR_CHOICES_H
#define MUSTERWRIGHT_GENERATOR_CHOICES_H

#include <optional>
#include <string>
#include <string_view>

#include "tables/collection.h"

// Each word as its list spells it, "Random", or empty (a list with nothing chosen), which
// counts as "Random".
// `collection` and `unique` limit the designs drawn to owned copies (generator/force.h).
struct Selection {
  std::string house, size, weight, experience;
  bool withVehicles = false;
  std::optional<Collection> collection = std::nullopt;
  bool unique = false;
};

// `word` as a run takes it: "Random" for the empty word, any other word as it is.
std::string_view randomIfEmpty(std::string_view word);

#endif
