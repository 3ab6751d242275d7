// SPDX-License-Identifier: MIT
#include "generator/choices.h"

#include "generator/choice_lists.h"

std::string_view randomIfEmpty(std::string_view word) {
  return word.empty() ? kRandomChoice : word;
}
