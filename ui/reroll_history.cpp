// SPDX-License-Identifier: MIT
#include "ui/reroll_history.h"

#include <utility>

void RerollHistory::start(Force drawn) {
  steps_.clear();
  drawn_ = std::move(drawn);
}

void RerollHistory::add(int undoSteps, Force force) {
  steps_.push_back({undoSteps, std::move(force)});
}

void RerollHistory::dropUndone(int undoSteps) {
  std::erase_if(steps_, [undoSteps](const Step& step) { return step.undoSteps > undoSteps; });
}

const Force* RerollHistory::listed(int undoSteps) const {
  for (auto step = steps_.rbegin(); step != steps_.rend(); ++step)
    if (step->undoSteps <= undoSteps) return &step->force;
  return drawn_ ? &*drawn_ : nullptr;
}
