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
#include "tables/design_list.h"

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

// The item of the one row of a table that owns no design, drawing from owned copies.
inline constexpr const char* kNoneOwnedItem = "(none owned: a slot stays open)";

// The expected tons and points of the force, or of one draw from a table, over the designs that
// have them: a design without a number, and an open slot, count as nothing.
struct ExpectedNumbers {
  // A table's section ("Kurita", "vehicles"), weight class and heading line; "" and 0 for the
  // force.
  std::string source;
  std::string weightClass;
  long line = 0;
  Fraction tons;
  Fraction points;
  // How many of the designs the draws can give lack tons, or points.
  int withoutTons = 0;
  int withoutPoints = 0;
  // The force's points with crew skill, with a skill table (expectedSkillPoints,
  // budget_odds.h); none for a table's draw, and without one.
  std::optional<Fraction> skillPoints = {};
  // The skill table they come from: its name and identity.
  std::string skillsName = {};
  std::string skillsIdentity = {};
};

// The expected numbers of a report from a design list: the force's, then each table's in the
// order of the tables part.
struct OddsNumbers {
  std::string listName;
  std::string listIdentity;
  ExpectedNumbers force;
  std::vector<ExpectedNumbers> tables;
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
  // The expected tons and points, when a design list was given (expectedNumbers).
  std::optional<OddsNumbers> numbers;
};

// The expected numbers of the tables and designs parts of `report` from `designs`. With owned
// copies, copy limits are not counted, as in the chances. Throws std::overflow_error when a
// figure does not fit an exact fraction of 64-bit numbers.
OddsNumbers expectedNumbers(const OddsReport& report, const DesignList& designs);

// A short name of the part for data files ("tables", "group_weights", ...).
const char* partKey(OddsPartKind kind);
// The part's title for people ("Designs per table (one draw)", ...).
const char* partTitle(OddsPartKind kind);

#endif
