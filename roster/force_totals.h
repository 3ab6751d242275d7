// SPDX-License-Identifier: MIT
// The tons and points of a generated force, as every front end shows them: each slot's numbers
// from a design list, its points with crew skill from a skill table, each group's totals and the
// force's, how many slots lack a number, and the open slots, which count as nothing. The totals
// line under a listing is written here too.
#ifndef MUSTERWRIGHT_ROSTER_FORCE_TOTALS_H
#define MUSTERWRIGHT_ROSTER_FORCE_TOTALS_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "generator/force.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

// A slot's numbers: none where the list lacks the design or its number, and for an open slot;
// points with crew skill none too where the skill table lacks the crew, or none is in use.
struct SlotNumbers {
  std::optional<std::int64_t> tonsHundredths;
  std::optional<std::int64_t> points;
  std::optional<std::int64_t> skillPoints = {};
};

// What some slots add up to: the numbers that are known, how many filled slots lack tons,
// points or points with crew skill (counted as nothing), and how many slots are open (nothing,
// and lacking no number). `withSkill` says whether a skill table was in use; without one the
// points with crew skill are 0 and no slot is counted as lacking them.
struct Totals {
  std::int64_t tonsHundredths = 0;
  std::int64_t points = 0;
  int withoutTons = 0;
  int withoutPoints = 0;
  int open = 0;
  bool withSkill = false;
  std::int64_t skillPoints = 0;
  int withoutSkillPoints = 0;
};

struct ForceTotals {
  std::vector<SlotNumbers> slots;  // one per slot, in the roster's order
  std::vector<Totals> groups;      // one per group, in order
  Totals force;
};

// The numbers of `force` from `designs`, its points with crew skill from `skills` (none: crew
// skill is left out); with no list every filled slot lacks every number. Never throws but for
// lack of memory.
ForceTotals forceTotals(const Force& force, const DesignList* designs,
                        const SkillTable* skills = nullptr);

// Points with a comma every three digits: "5,230", "99,999", "120".
std::string pointsText(std::int64_t points);

// "Total: 240 tons, 5,230 points", with a skill table " (5,512 with crew skill)", then ", N
// slot(s) without tons", ", M slot(s) without points", ", L slot(s) without crew skill" and ",
// K open slot(s)" where there are any (tons as tonsText).
std::string totalsLine(const Totals& totals);

// The same numbers as a heading shows them: "240 tons · 5,230 points", with a skill table
// " · 5,512 with crew", then " · N without tons", " · M without points", " · L without crew
// skill" and " · K open" where there are any.
std::string totalsWords(const Totals& totals);

// A slot's numbers as its row shows them: "65 tons · 1,420 points", with a skill table
// (`withSkill`) " · 1,562 with crew"; "tons unknown", "points unknown" or "crew skill unknown" for
// a number that is lacking, and "" for an open slot (`open`).
std::string slotNumbersText(const SlotNumbers& numbers, bool open, bool withSkill = false);

// What to tell the player who draws a force again that was first drawn with the design list
// named `drawnName` whose identity is `drawnWith` (a record that does not carry the name, as a
// link, gives ""), while the list in use is `inUse` (none: no list): "This force was drawn with
// the design list Designs (3fa9c1d2); the list in use is mine (0b7e44d1), so its budget and
// totals may differ." "" when they are the same, and when the record names no list (drawn
// without one, or kept before lists were).
std::string designListChangeNotice(const std::string& drawnName, const std::string& drawnWith,
                                   const DesignList* inUse);

#endif
