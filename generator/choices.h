// SPDX-License-Identifier: MIT
// The choices of one run, as every front end hands them over: the four words and the Include
// Vehicles box. Generate, the odds, the window's Recent list and the command line all hold them
// in this one record.
#ifndef MUSTERWRIGHT_GENERATOR_CHOICES_H
#define MUSTERWRIGHT_GENERATOR_CHOICES_H

#include <string>
#include <string_view>

// Each word as its list spells it, "Random", or empty (a list with nothing chosen), which
// counts as "Random".
struct Selection {
  std::string house, size, weight, experience;
  bool withVehicles = false;
};

// `word` as a run takes it: "Random" for the empty word, any other word as it is.
std::string_view randomIfEmpty(std::string_view word);

#endif
