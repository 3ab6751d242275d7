// SPDX-License-Identifier: MIT
// What one generation step works on: the force being filled, the dice, and its own reading of the
// table file (a stream over the bytes and the line buffer every line read lands in, which starts
// as one blank and keeps the last line read between searches). Nothing in it is shared with any
// other run.
#ifndef MUSTERWRIGHT_GENERATOR_FORCE_RUN_H
#define MUSTERWRIGHT_GENERATOR_FORCE_RUN_H

#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "generator/dice.h"
#include "generator/force.h"
#include "generator/table_text.h"
#include "tables/table_search.h"

struct ForceRun {
  ForceRun(Force& force, const TableText& tables, DiceSource source)
      : force(force), dice(std::move(source)), file(tables.bytes), fileName(tables.name.string()) {}

  TableReader reader() { return TableReader{file, tableLine, fileName}; }

  Force& force;
  Dice dice;
  std::istringstream file;
  apstring tableLine{" "};
  std::string fileName;
  // A force drawing from owned copies: the copies its slots hold by folded name, counted at the
  // run's first draw of a design (after the slots it fills again are freed) and kept up to date.
  std::optional<std::map<std::string, int>> copiesInUse;
};

#endif
