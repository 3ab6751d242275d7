// SPDX-License-Identifier: MIT
#include "generator/dice.h"

#include <charconv>
#include <random>
#include <stdexcept>

namespace {

DiceSource drawingFrom(std::mt19937 engine) {
  return [engine](int n) mutable {
    return n == 0 ? 0 : static_cast<int>(engine() % static_cast<std::uint32_t>(n));
  };
}

}  // namespace

std::optional<std::uint32_t> seedFromText(std::string_view text) {
  std::uint32_t seed = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seed);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return seed;
}

DiceSource seededDice(std::uint32_t seed) {
  return drawingFrom(std::mt19937(seed));
}

DiceSource rerollDice(std::uint32_t seed, std::size_t index) {
  std::seed_seq sequence{seed, static_cast<std::uint32_t>(index + 1)};
  return drawingFrom(std::mt19937(sequence));
}

Dice::Dice(DiceSource source) : source_(std::move(source)) {
  if (!source_) throw std::invalid_argument("Dice: no source");
}

int Dice::twoD6() {
  const int first = roll(6);
  const int second = roll(6);
  return first + second + 2;
}
