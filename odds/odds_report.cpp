// SPDX-License-Identifier: MIT
#include "odds/odds_report.h"

namespace {

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
