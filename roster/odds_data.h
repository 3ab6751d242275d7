// SPDX-License-Identifier: MIT
// The odds of a Generate run (odds/odds_report.h) as text for people, as CSV and as JSON, in
// the manner of the force's own formats (force_data.h). Chances are written as exact fractions
// in lowest terms ("1/18") and as percentages; expected numbers as fractions and decimals.
#ifndef MUSTERWRIGHT_ROSTER_ODDS_DATA_H
#define MUSTERWRIGHT_ROSTER_ODDS_DATA_H

#include <string>

#include "odds/odds_report.h"

// A line naming the choices, then each part under its title, one row per line with the
// chance, the percentage and, where counted, the expected number in the force. The tables
// part names each table's section, weight and heading line above its designs. Odds drawn from
// owned copies add, below the choices, the collection, what the chances leave out and the
// expected open slots. Odds with a design list's numbers end with oddsNumbersText after a
// blank line.
std::string oddsText(const OddsReport& report);

// The expected numbers of `report` (OddsReport::numbers) for people, "" without them: a line
// naming the design list, the force's expected tons and points, then one draw from each table,
// each as an exact fraction in lowest terms and a decimal, with how many designs lack a number.
std::string oddsNumbersText(const OddsReport& report);

// The header "part,source,weight_class,line,item,chance,percent,expected,expected_value", then
// one row per figure (part as partKey names it; empty fields where a row has no such figure),
// every line ended by CR LF, fields quoted as the force's CSV quotes them. Odds with a design
// list's numbers add rows of part "tons_points": source "force" or the table's section, its
// weight class and heading line, items "tons", "points", "designs without tons" and "designs
// without points", each figure under expected and expected_value.
std::string oddsCsv(const OddsReport& report);

// One JSON object, ended by a line feed: "faction", "size", "weight", "experience",
// "vehicles", then "parts", an array of {"part", "title", "rows"}; each row holds "item",
// "chance" (the fraction as a string) and "percent", and where it has them "source",
// "weight_class", "line", "expected" (a fraction string) and "expected_value". Odds drawn from
// owned copies add "collection" ({"name", "identity"} or null), "unique", "open_slots" (a
// fraction string) and "open_slots_value". Odds with a design list's numbers add "tons_points":
// {"designs": {"name", "identity"}, "force": {...}, "tables": [...]}, each figure {"tons",
// "tons_value", "points", "points_value", "without_tons", "without_points"} (fractions as
// strings), a table's with its "source", "weight_class" and "line" first.
std::string oddsJson(const OddsReport& report);

#endif
