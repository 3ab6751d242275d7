// SPDX-License-Identifier: MIT
// The odds of a Generate run as plain records: the choices they are for, then one part per kind
// of figure, each a list of rows. Every front end shows and writes these records as they are.
#ifndef MUSTERWRIGHT_ODDS_ODDS_REPORT_H
#define MUSTERWRIGHT_ODDS_ODDS_REPORT_H

#include <optional>
#include <string>
#include <vector>

#include "generator/choices.h"
#include "odds/fraction.h"

// The kinds of figure, in the order a report holds them. The four choice parts come only for a
// choice left Random.
enum class OddsPartKind {
  tables,        // each design's chance on one draw from a table the draws reach
  factions,      // the chance of each faction word
  sizes,         // ... of each size word
  weights,       // ... of each weight word as the force shows it ("Random" for several groups)
  experiences,   // ... of each experience word
  groupWeights,  // each group weight class: share of the groups, expected groups
  slotWeights,   // each slot weight class: share of the slots, expected slots
  designs,       // each design: share of the slots, expected number in the force
  crewSkills,    // each piloting and gunnery pair: share of the slots, expected number
};

struct OddsRow {
  // Table rows: the section the table was sought in (a faction heading, or "vehicles").
  // Design rows: what fills the slot ("mech", "vehicle" or "battle armour"). Otherwise "".
  std::string source;
  // The table's or the slot's weight class, where the row has one.
  std::string weightClass;
  // Table rows: the 1-based line of the heading that the search stopped at; otherwise 0.
  long line = 0;
  // The design, the word, or the crew's skills as "P: 4 G: 3".
  std::string item;
  Fraction chance;
  // The expected number in one force, for the parts that count.
  std::optional<Fraction> expected;
};

struct OddsPart {
  OddsPartKind kind;
  std::vector<OddsRow> rows;
};

struct OddsReport {
  Selection choices;  // as given, empty words made "Random"
  std::vector<OddsPart> parts;
  // Drawing from owned copies: the expected open slots of one force while copies never run
  // out. The table chances are then each owned design's weight over the owned weight, for a
  // slot drawn while every copy is still there; copy limits lower later chances, and no figure
  // counts them.
  std::optional<Fraction> openSlots;
};

// A short name of the part for data files ("tables", "group_weights", ...).
const char* partKey(OddsPartKind kind);
// The part's title for people ("Designs per table (one draw)", ...).
const char* partTitle(OddsPartKind kind);

#endif
