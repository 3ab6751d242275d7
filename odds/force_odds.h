// SPDX-License-Identifier: MIT
// The exact odds of a Generate run: for the given choices, the chance of every design on one
// draw from each table the draws reach, and for the force as a whole the chance of each choice
// word a Random choice turns into, the share and expected number of each group and slot weight
// class, of each design and of each crew skill pair. Worked out from the rule tables
// (generator/rule_tables.h) and the table file's text, the dice exactly as a run draws them;
// nothing is sampled.
#ifndef MUSTERWRIGHT_ODDS_FORCE_ODDS_H
#define MUSTERWRIGHT_ODDS_FORCE_ODDS_H

#include <stdexcept>
#include <string>
#include <string_view>

#include "odds/odds_report.h"

// Choices whose odds cannot be given: a word in none of the lists, or a table file in which an
// entry line equals a weight heading (such an entry makes the next slot's search of that
// weight start where the buffer stands, so its draw would hang on the slot before).
class OddsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The report for `choices` on the table file whose bytes are `tableBytes` (as readTableFile
// gives them), named `fileName` in messages. The table part holds the chosen faction's four
// tables, or every faction's when the faction is Random, and the vehicle tables when vehicles
// are allowed. Throws TableError, as the draws would, when a search reaches the end of the
// file; OddsError as above.
OddsReport computeOdds(const OddsChoices& choices, const std::string& tableBytes,
                       std::string_view fileName);

#endif
