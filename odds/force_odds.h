// SPDX-License-Identifier: MIT
// The exact odds of a Generate run: for the given choices, the chance of every design on one
// draw from each table the draws reach, and for the force as a whole the chance of each choice
// word a Random choice turns into, the share and expected number of each group and slot weight
// class, of each design and of each crew skill pair. Worked out from the rule tables
// (generator/rule_tables.h), the generator's rules and searches, and the table file's text, the
// dice exactly as a run draws them; nothing is sampled.
#ifndef MUSTERWRIGHT_ODDS_FORCE_ODDS_H
#define MUSTERWRIGHT_ODDS_FORCE_ODDS_H

#include <stdexcept>
#include <string>
#include <string_view>

#include "odds/odds_report.h"

// Choices whose odds cannot be given: a word in none of the lists (with the message of the
// generator's own check of the words), or a HeadingEntryError.
class OddsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The one place where the odds do not follow the draws: a table file in which an entry line
// equals a weight heading. Such an entry, once drawn, is left in the line buffer, and the next
// search for that weight stops on it without reading, so the next slot's draw depends on the
// slot before. No exact figure per table exists for such a file, and the odds refuse it rather
// than give one; the message names the table, its heading line and the entry.
class HeadingEntryError : public OddsError {
 public:
  using OddsError::OddsError;
};

// The report for `choices` on the table file whose bytes are `tableBytes` (as readTableFile
// gives them), named `fileName` in messages. The table part holds the chosen faction's four
// tables, or every faction's when the faction is Random, and the vehicle tables when vehicles
// are allowed. Drawing from owned copies (a collection or `unique` in `choices`), each table
// lists its owned designs, each with its weight over the owned weight, or one row "(none owned:
// a slot stays open)" of chance 1; the designs part counts such slots as kind "open", and
// `openSlots` adds them up. Throws TableError, as the draws would, when a search reaches the end of
// the file; OddsError and HeadingEntryError as above.
OddsReport computeOdds(const Selection& choices, const std::string& tableBytes,
                       std::string_view fileName);

#endif
