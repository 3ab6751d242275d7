// SPDX-License-Identifier: MIT
// What one generation step works on: the force being filled, the dice, and its own reading of the
// table file (table_searches.h: the searches and the line buffer every line read lands in, which
// starts as one blank and keeps the last line read between searches). Nothing in it is shared
// with any other run.
#ifndef MUSTERWRIGHT_GENERATOR_FORCE_RUN_H
#define MUSTERWRIGHT_GENERATOR_FORCE_RUN_H

#include <memory>
#include <optional>

#include "generator/dice.h"
#include "generator/force.h"
#include "generator/owned_draw.h"
#include "generator/table_searches.h"
#include "generator/table_text.h"

struct ForceRun {
  // A run reading `tables` through its index.
  ForceRun(Force& force, const TableText& tables, DiceSource source)
      : force(force),
        dice(std::move(source)),
        ownReading(std::make_unique<IndexSearches>(tables)),
        table(*ownReading) {}
  // A run reading through `reading`, fresh for it.
  ForceRun(Force& force, TableSearches& reading, DiceSource source)
      : force(force), dice(std::move(source)), table(reading) {}

  Force& force;
  Dice dice;
  std::unique_ptr<TableSearches> ownReading;
  TableSearches& table;
  // A force drawing from owned copies: the copies left, counted from the slots at the run's
  // first draw of a design (after the slots it fills again are freed) and kept up to date.
  std::optional<CopiesLeft> copiesLeft;
};

#endif
