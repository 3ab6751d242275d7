// SPDX-License-Identifier: MIT
// Dice for tests: a script of the rolls a run is expected to ask for, in order, each with
// the value it answers. Asking for a different n, or for more or fewer rolls than
// scripted, fails the test.
#ifndef MUSTERWRIGHT_TESTS_SCRIPTED_DICE_H
#define MUSTERWRIGHT_TESTS_SCRIPTED_DICE_H

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "generator/dice.h"

struct Draw {
  int n;
  int value;
};

class ScriptedDice {
 public:
  ScriptedDice() = default;
  explicit ScriptedDice(std::vector<Draw> draws) : state_(std::make_shared<State>()) {
    state_->draws = std::move(draws);
  }
  ScriptedDice(const ScriptedDice&) = delete;
  ScriptedDice& operator=(const ScriptedDice&) = delete;
  ~ScriptedDice() {
    EXPECT_EQ(state_->next, state_->draws.size()) << "fewer rolls were drawn than scripted";
  }

  // Appends draws to the script.
  ScriptedDice& then(std::vector<Draw> more) {
    state_->draws.insert(state_->draws.end(), more.begin(), more.end());
    return *this;
  }

  // The source to hand to a run; it answers from this script.
  DiceSource source() const {
    return [state = state_](int n) {
      if (state->next >= state->draws.size()) {
        ADD_FAILURE() << "an unscripted roll of " << n << " after " << state->draws.size()
                      << " draws";
        return 0;
      }
      const Draw draw = state->draws[state->next++];
      EXPECT_EQ(n, draw.n) << "draw " << state->next << " asked for a roll of the wrong size";
      return draw.value;
    };
  }

  std::size_t drawn() const { return state_->next; }

 private:
  struct State {
    std::vector<Draw> draws;
    std::size_t next = 0;
  };
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

// The draws of one slot that takes a table entry: the entry roll as two rolls of 6 that
// add up to `entry` - 2 (entry 2 takes the first line below the heading, 12 the eleventh),
// then the skill die (1..6).
inline std::vector<Draw> entrySlot(int entry, int skillDie) {
  const int first = (entry - 2) / 2;
  return {
      {6, first            },
      {6, entry - 2 - first},
      {6, skillDie - 1     }
  };
}

// The two rolls of 6 of a 2d6 that totals `total` (2..12).
inline std::vector<Draw> twoDice(int total) {
  const int first = (total - 2) / 2;
  return {
      {6, first            },
      {6, total - 2 - first}
  };
}

// The draws of filling one group of `slots` slots with every roll answered 0: composition
// die 1, first entry, skill die 1 (the experience being one of the four levels).
inline std::vector<Draw> zeroGroup(int slots) {
  std::vector<Draw> draws{
      {6, 0}
  };
  for (int k = 0; k < slots; ++k)
    draws.insert(draws.end(), {
                                  {6, 0},
                                  {6, 0},
                                  {6, 0}
    });
  return draws;
}

// The draws of the formation of `groups` groups of `slots` slots, every roll answered 0.
inline std::vector<Draw> zeroUnit(int groups, int slots) {
  std::vector<Draw> draws;
  const auto add = [&draws](const std::vector<Draw>& more) {
    draws.insert(draws.end(), more.begin(), more.end());
  };
  if (groups == 1) return zeroGroup(slots);
  if (groups == 2) {
    add({
        {6, 0},
        {6, 0}
    });
  }
  for (int group = 0; group < groups; ++group) {
    if (groups > 2 && group % 3 == 0)
      add(slots == 5 ? std::vector<Draw>{{6, 0}, {6, 0}} : std::vector<Draw>{{6, 0}});
    add(zeroGroup(slots));
  }
  return draws;
}

#endif
