// SPDX-License-Identifier: MIT
#include "generator/dice.h"

#include <random>
#include <stdexcept>

namespace {

// The last seed word of every stream of side b.
constexpr std::uint32_t kSideBWord = 2;

DiceSource drawingFrom(std::mt19937 engine) {
  return [engine](int n) mutable {
    return n == 0 ? 0 : static_cast<int>(engine() % static_cast<std::uint32_t>(n));
  };
}

}  // namespace

DiceSource seededDice(std::uint32_t seed) {
  return drawingFrom(std::mt19937(seed));
}

DiceSource rerollDice(std::uint32_t seed, std::size_t index) {
  return sequenceDice({seed, static_cast<std::uint32_t>(index + 1)});
}

DiceSource sequenceDice(std::initializer_list<std::uint32_t> words) {
  std::seed_seq sequence(words);
  return drawingFrom(std::mt19937(sequence));
}

DiceSource budgetDice(std::uint32_t seed, std::size_t stream, int attempt, Side side) {
  if (side == Side::b)
    return sequenceDice({seed, static_cast<std::uint32_t>(stream),
                         static_cast<std::uint32_t>(attempt), kSideBWord});
  if (attempt == 0) return stream == 0 ? seededDice(seed) : rerollDice(seed, stream - 1);
  return sequenceDice(
      {seed, static_cast<std::uint32_t>(stream), static_cast<std::uint32_t>(attempt)});
}

Dice::Dice(DiceSource source) : source_(std::move(source)) {
  if (!source_) throw std::invalid_argument("Dice: no source");
}
