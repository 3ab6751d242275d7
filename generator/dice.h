// SPDX-License-Identifier: MIT
// The dice of a run. Every roll of the generation goes through one Dice, which asks its source.
// The seeded source is one std::mt19937, so a run's seed fixes every draw: a roll of n is
// `engine() % n`, and 0 when n is 0.
#ifndef MUSTERWRIGHT_GENERATOR_DICE_H
#define MUSTERWRIGHT_GENERATOR_DICE_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string_view>

// Answers a roll of n with a whole number from 0 to n - 1 (0 when n is 0).
using DiceSource = std::function<int(int n)>;

// A typed seed that is not one. The message is the one every front end shows:
// The seed is a whole number from 0 to 4294967295; "7x" is not one.
class SeedError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The seed typed in `text`, every front end's one reader of it: white space around it (blanks,
// tabs, line ends) is ignored, and what is left spells a number from 0 to 4294967295 in decimal
// digits alone. None when nothing but white space is typed: the caller then draws a fresh seed.
// Throws SeedError for anything else (a sign, a blank inside, a larger number).
std::optional<std::uint32_t> readSeed(std::string_view text);

// A source drawing from one std::mt19937 seeded with `seed`.
DiceSource seededDice(std::uint32_t seed);

// The source of re-roll `index` (from 0, its place in the force's list) of a force drawn with
// `seed`: one std::mt19937 seeded by std::seed_seq{seed, index + 1}. The standard fixes both
// algorithms, so the draws are the same on every platform, and no two re-rolls share them.
DiceSource rerollDice(std::uint32_t seed, std::size_t index);

class Dice {
 public:
  // Throws std::invalid_argument for an empty source.
  explicit Dice(DiceSource source);

  // A roll of n: 0 to n - 1.
  int roll(int n) { return source_(n); }
  // A roll of 6 plus 1: 1 to 6.
  int d6() { return roll(6) + 1; }
  // Two rolls of 6, drawn one after the other, plus 2: 2 to 12.
  int twoD6();

 private:
  DiceSource source_;
};

#endif
