// The dice of a Generate run. Every roll of the generation goes through `roll`, which asks
// the dice source in use; a run installs a fresh source before its first roll. The seeded
// source is one std::mt19937, so a run's seed fixes every draw: a roll of n is
// `engine() % n`, and 0 when n is 0.
#ifndef MUSTERWRIGHT_GENERATOR_DICE_H
#define MUSTERWRIGHT_GENERATOR_DICE_H

#include <cstdint>
#include <functional>

// Answers a roll of n with a whole number from 0 to n - 1 (0 when n is 0).
using DiceSource = std::function<int(int n)>;

// A source drawing from one std::mt19937 seeded with `seed`.
DiceSource seededDice(std::uint32_t seed);

// Makes `source` answer every following roll.
void useDice(DiceSource source);

// A roll of n: 0 to n - 1. Throws std::logic_error when no dice source has been installed
// (useDice, or a Generate run, installs one).
int roll(int n);
// A roll of 6 plus 1: 1 to 6.
int d6();
// Two rolls of 6, drawn one after the other, plus 2: 2 to 12.
int twoD6();

#endif
