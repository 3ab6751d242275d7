// SPDX-License-Identifier: MIT
#include "generator/dice.h"

#include <charconv>
#include <random>
#include <stdexcept>
#include <string>

namespace {

DiceSource drawingFrom(std::mt19937 engine) {
  return [engine](int n) mutable {
    return n == 0 ? 0 : static_cast<int>(engine() % static_cast<std::uint32_t>(n));
  };
}

}  // namespace

std::optional<std::uint32_t> readSeed(std::string_view text) {
  constexpr std::string_view kWhiteSpace = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return std::nullopt;
  const std::string_view digits =
      text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
  std::uint32_t seed = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, seed);
  if (error != std::errc() || stop != end)
    throw SeedError("The seed is a whole number from 0 to 4294967295; \"" + std::string(text) +
                    "\" is not one.");
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
