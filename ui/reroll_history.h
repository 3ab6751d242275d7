// SPDX-License-Identifier: MIT
// Which force the window's listing box lists while the user re-rolls and undoes: the force
// Generate (or Recent) drew, and after it each re-roll's force, tied to the number of undo steps
// the box holds just after the re-roll replaced its text. Undoing a re-roll in the box thus
// lists the force before it again, and redoing lists the re-rolled one.
#ifndef MUSTERWRIGHT_UI_REROLL_HISTORY_H
#define MUSTERWRIGHT_UI_REROLL_HISTORY_H

#include <optional>
#include <vector>

#include "generator/force.h"

class RerollHistory {
 public:
  // Starts again from `drawn`, forgetting every re-roll.
  void start(Force drawn);
  // Records the force of a re-roll that left the box with `undoSteps` undo steps.
  void add(int undoSteps, Force force);
  // Forgets the re-rolls beyond `undoSteps`: an edit after undoing them took their redo away.
  void dropUndone(int undoSteps);
  // The force listed while the box holds `undoSteps` undo steps: the newest re-roll at or below
  // them, else the drawn force; null before the first start.
  const Force* listed(int undoSteps) const;

 private:
  struct Step {
    int undoSteps;
    Force force;
  };
  std::optional<Force> drawn_;
  // Oldest first; those undone stay until an edit drops them.
  std::vector<Step> steps_;
};

#endif
