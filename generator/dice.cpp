#include "generator/dice.h"

#include <random>
#include <stdexcept>

namespace {

DiceSource currentDice;

}  // namespace

DiceSource seededDice(std::uint32_t seed) {
  return [engine = std::mt19937(seed)](int n) mutable {
    return n == 0 ? 0 : static_cast<int>(engine() % static_cast<std::uint32_t>(n));
  };
}

void useDice(DiceSource source) {
  currentDice = std::move(source);
}

int roll(int n) {
  if (!currentDice) throw std::logic_error("roll: no dice in use");
  return currentDice(n);
}

int d6() {
  return roll(6) + 1;
}

int twoD6() {
  const int first = roll(6);
  const int second = roll(6);
  return first + second + 2;
}
