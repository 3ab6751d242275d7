// SPDX-License-Identifier: MIT
// A roll of dice as the rules write it: how many dice, their sides and what is added to their
// sum. Every table that is rolled on (the entry roll of a weight table here, the rule tables in
// the generator) carries one, so the draws and the odds read the same dice from the same line.
#ifndef MUSTERWRIGHT_TABLES_DICE_ROLL_H
#define MUSTERWRIGHT_TABLES_DICE_ROLL_H

#include <cstdint>

// `count` rolls of `sides`, drawn one after the other, each a whole number from 0 to sides - 1;
// the result is their sum plus `offset`. Requires count >= 1 and sides >= 1.
struct DiceRoll {
  int count;
  int sides;
  int offset;

  constexpr int lowest() const { return offset; }
  constexpr int highest() const { return count * (sides - 1) + offset; }
  // How many ways the dice can fall: sides to the power count, each equally likely.
  constexpr std::int64_t outcomes() const {
    std::int64_t ways = 1;
    for (int k = 0; k < count; ++k) ways *= sides;
    return ways;
  }
  // How many of the outcomes() give `total`; 0 outside lowest() .. highest().
  constexpr std::int64_t waysToRoll(int total) const {
    const auto ways = [this](auto& self, int left, int sum) -> std::int64_t {
      if (left == 0) return sum == 0 ? 1 : 0;
      std::int64_t found = 0;
      for (int face = 0; face < sides && face <= sum; ++face)
        found += self(self, left - 1, sum - face);
      return found;
    };
    return total < lowest() || total > highest() ? 0 : ways(ways, count, total - offset);
  }
};

// The dice the rules name: a roll of n plus 1 (1 to n), and two rolls of 6 plus 2 (2 to 12).
inline constexpr DiceRoll kD4{1, 4, 1};
inline constexpr DiceRoll kD5{1, 5, 1};
inline constexpr DiceRoll kD6{1, 6, 1};
inline constexpr DiceRoll kD10{1, 10, 1};
inline constexpr DiceRoll k2D6{2, 6, 2};

#endif
