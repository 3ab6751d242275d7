// SPDX-License-Identifier: MIT
// One rule table: its rows, each selected by an exact range of results, and the dice it is
// rolled with, written beside them. The draws read a table's dice only through rollOn, the odds
// only through outcomesOf, which counts every way they can fall; so a table's dice change in one
// place, and the draws and the odds change with them.
#ifndef MUSTERWRIGHT_GENERATOR_RULE_TABLE_H
#define MUSTERWRIGHT_GENERATOR_RULE_TABLE_H

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "generator/dice.h"
#include "tables/dice_roll.h"

// The dice of a rule table: the roll, and what a Clan force adds to its result (none for most
// tables).
struct TableDice {
  constexpr TableDice(DiceRoll roll, int clanModifier = 0)  // NOLINT: a bare roll converts
      : roll(roll), clanModifier(clanModifier) {}
  DiceRoll roll;
  int clanModifier;
};

// Who rolls: a Clan force adds the table's Clan modifier to the result, and subtracts it instead
// for a marked slot; a House force adds nothing.
struct Roller {
  bool clan = false;
  bool marked = false;
  constexpr int modifier(const TableDice& dice) const {
    if (!clan) return 0;
    return marked ? -dice.clanModifier : dice.clanModifier;
  }
};

// Rows of a type with whole-number members `low` and `high`, in the printed order. A result
// selects the first row whose range low..high holds it (among the rows a caller's test accepts,
// where rows also carry a word). The rows live as long as the table.
template <class Row>
struct RuleTable {
  TableDice dice;
  std::initializer_list<Row> rows;
};

// Accepts every row.
struct EveryRow {
  template <class Row>
  constexpr bool operator()(const Row&) const {
    return true;
  }
};

// The first row of `table` that `accept` takes and whose range holds `result`; null when none.
template <class Row, class Accept>
constexpr const Row* rowHolding(const RuleTable<Row>& table, int result, const Accept& accept) {
  for (const Row& row : table.rows) {
    if (row.low <= result && result <= row.high && accept(row)) return &row;
  }
  return nullptr;
}

// Draws the table's dice from `dice` (every roll of them, whether or not a row holds the result)
// and returns the row that the result, with the roller's modifier, selects among the rows that
// `accept` takes; null when none holds it.
template <class Row, class Accept>
const Row* rollOn(const RuleTable<Row>& table, Dice& dice, Roller who, const Accept& accept) {
  return rowHolding(table, dice.roll(table.dice.roll) + who.modifier(table.dice), accept);
}

// The same for a table with a row for every result. Throws std::logic_error when no row holds
// the result, which only a table that leaves a result of its dice out can cause.
template <class Row>
const Row& rollOn(const RuleTable<Row>& table, Dice& dice, Roller who = {}) {
  const Row* row = rollOn(table, dice, who, EveryRow{});
  if (!row) throw std::logic_error("no rule table row for a roll");
  return *row;
}

// A row that a roll reaches, and in how many of the `outOf` equally likely ways the dice can
// fall it is reached.
template <class Row>
struct RowOutcome {
  const Row* row;
  std::int64_t ways;
  std::int64_t outOf;
};

// Every row of `table` that rollOn can return for `who` and `accept`, in row order, with the
// ways that reach it. Ways that reach no row are left out, so the ways may add up to less than
// `outOf` (none at all where `accept` takes no row).
template <class Row, class Accept = EveryRow>
std::vector<RowOutcome<Row>> outcomesOf(const RuleTable<Row>& table, Roller who = {},
                                        const Accept& accept = {}) {
  const DiceRoll& roll = table.dice.roll;
  std::vector<std::int64_t> ways(table.rows.size());
  for (int total = roll.lowest(); total <= roll.highest(); ++total) {
    if (const Row* row = rowHolding(table, total + who.modifier(table.dice), accept))
      ways[static_cast<std::size_t>(row - table.rows.begin())] += roll.waysToRoll(total);
  }
  std::vector<RowOutcome<Row>> outcomes;
  for (std::size_t k = 0; k < ways.size(); ++k) {
    if (ways[k] > 0) outcomes.push_back({table.rows.begin() + k, ways[k], roll.outcomes()});
  }
  return outcomes;
}

// Whether every result the table's dice can give `who` selects a row that `accept` takes: what
// the tables are checked for when they are built.
template <class Row, class Accept = EveryRow>
constexpr bool everyResultHasARow(const RuleTable<Row>& table, Roller who = {},
                                  const Accept& accept = {}) {
  for (int total = table.dice.roll.lowest(); total <= table.dice.roll.highest(); ++total) {
    if (!rowHolding(table, total + who.modifier(table.dice), accept)) return false;
  }
  return true;
}

#endif
