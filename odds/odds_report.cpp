// SPDX-License-Identifier: MIT
#include "odds/odds_report.h"

namespace {

// Adds `chance` of `design` (`count` of it) to `numbers`; an open slot adds nothing.
void addDesign(ExpectedNumbers& numbers, const DesignList& designs, const std::string& design,
               const Fraction& count) {
  const DesignNumbers* row = designs.find(design);
  if (row && row->tonsHundredths)
    numbers.tons += count * Fraction(*row->tonsHundredths, 100);
  else
    ++numbers.withoutTons;
  if (row && row->points)
    numbers.points += count * Fraction(*row->points);
  else
    ++numbers.withoutPoints;
}

const OddsPart* partOf(const OddsReport& report, OddsPartKind kind) {
  for (const OddsPart& part : report.parts)
    if (part.kind == kind) return &part;
  return nullptr;
}

struct PartNames {
  OddsPartKind kind;
  const char* key;
  const char* title;
};

constexpr PartNames kPartNames[] = {
    {OddsPartKind::tables,       "tables",        "Designs per table (one draw)"},
    {OddsPartKind::factions,     "factions",      "Faction"                     },
    {OddsPartKind::sizes,        "sizes",         "Size"                        },
    {OddsPartKind::weights,      "weights",       "Weight"                      },
    {OddsPartKind::experiences,  "experiences",   "Experience"                  },
    {OddsPartKind::groupWeights, "group_weights", "Group weight class"          },
    {OddsPartKind::slotWeights,  "slot_weights",  "Slot weight class"           },
    {OddsPartKind::designs,      "designs",       "Designs in the force"        },
    {OddsPartKind::crewSkills,   "crew_skills",   "Crew skills"                 },
};

const PartNames& namesOf(OddsPartKind kind) {
  for (const PartNames& names : kPartNames) {
    if (names.kind == kind) return names;
  }
  return kPartNames[0];
}

}  // namespace

const char* partKey(OddsPartKind kind) {
  return namesOf(kind).key;
}

const char* partTitle(OddsPartKind kind) {
  return namesOf(kind).title;
}

OddsNumbers expectedNumbers(const OddsReport& report, const DesignList& designs) {
  OddsNumbers numbers{designs.name, designs.identity, {}, {}};
  if (const OddsPart* tables = partOf(report, OddsPartKind::tables)) {
    for (const OddsRow& row : tables->rows) {
      if (numbers.tables.empty() || numbers.tables.back().source != row.source ||
          numbers.tables.back().weightClass != row.weightClass)
        numbers.tables.push_back({row.source, row.weightClass, row.line, {}, {}, 0, 0, {}, {}, {}});
      if (row.item != kNoneOwnedItem)
        addDesign(numbers.tables.back(), designs, row.item, row.chance);
    }
  }
  if (const OddsPart* slots = partOf(report, OddsPartKind::designs)) {
    for (const OddsRow& row : slots->rows)
      if (row.source != "open" && row.expected)
        addDesign(numbers.force, designs, row.item, *row.expected);
  }
  return numbers;
}
