// SPDX-License-Identifier: MIT
// The dice of a run. Every roll of the generation goes through one Dice, which asks its source.
// The seeded source is one std::mt19937, so a run's seed fixes every draw: a roll of n is
// `engine() % n`, and 0 when n is 0. Here also are the seed words of every stream of draws a
// force has: its first draw, each re-roll, and each try within a budget.
#ifndef MUSTERWRIGHT_GENERATOR_DICE_H
#define MUSTERWRIGHT_GENERATOR_DICE_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>

#include "tables/dice_roll.h"

// Answers a roll of n with a whole number from 0 to n - 1 (0 when n is 0).
using DiceSource = std::function<int(int n)>;

// A source drawing from one std::mt19937 seeded with `seed`.
DiceSource seededDice(std::uint32_t seed);

// The source of re-roll `index` (from 0, its place in the force's list) of a force drawn with
// `seed`: one std::mt19937 seeded by std::seed_seq{seed, index + 1}. The standard fixes both
// algorithms, so the draws are the same on every platform, and no two re-rolls share them.
DiceSource rerollDice(std::uint32_t seed, std::size_t index);

// A source drawing from one std::mt19937 seeded by std::seed_seq{words...}.
DiceSource sequenceDice(std::initializer_list<std::uint32_t> words);

// The side of a pair of forces drawn from one seed whose dice a draw rolls: `a`, the force asked
// for, rolls as a force drawn alone does; `b`, the opposing force, rolls streams of its own.
enum class Side { a, b };

// The source of try `attempt` (from 0) of a draw within a budget, on stream `stream`: 0 for the
// force's first draw, k + 1 for its re-roll k. On side a, try 0 is the draw without a budget
// (seededDice(seed) on stream 0, rerollDice(seed, k) on stream k + 1) and try j >= 1 is one
// std::mt19937 seeded by std::seed_seq{seed, stream, j}. On side b every try j, 0 included, is
// one std::mt19937 seeded by std::seed_seq{seed, stream, j, 2}, so the two sides never share dice.
DiceSource budgetDice(std::uint32_t seed, std::size_t stream, int attempt, Side side = Side::a);

class Dice {
 public:
  // Throws std::invalid_argument for an empty source.
  explicit Dice(DiceSource source);

  // A roll of n: 0 to n - 1.
  int roll(int n) { return source_(n); }
  // The rolls of `dice`, drawn one after the other, added up, plus its offset.
  int roll(const DiceRoll& dice) {
    int result = dice.offset;
    for (int k = 0; k < dice.count; ++k) result += roll(dice.sides);
    return result;
  }

 private:
  DiceSource source_;
};

#endif
