// SPDX-License-Identifier: MIT
// Reads a seed that a player typed, the same way in every front end: the window's and the
// page's seed boxes, the page's links, the command line's --seed and the window's Recent list.
#ifndef MUSTERWRIGHT_GENERATOR_SEED_TEXT_H
#define MUSTERWRIGHT_GENERATOR_SEED_TEXT_H

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

// A typed seed that is not one. The message is the one every front end shows:
// The seed is a whole number from 0 to 4294967295; "7x" is not one.
class SeedError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The seed typed in `text`: white space around it (blanks, tabs, line ends) is ignored, and what
// is left spells a number from 0 to 4294967295 in decimal digits alone. None when nothing but
// white space is typed: the caller then draws a fresh seed. Throws SeedError for anything else
// (a sign, a blank inside, a larger number).
std::optional<std::uint32_t> readSeed(std::string_view text);

// The seed typed in `text`, or a fresh one from std::random_device when none is typed. Throws
// SeedError as readSeed does.
std::uint32_t seedOrFresh(std::string_view text);

#endif
