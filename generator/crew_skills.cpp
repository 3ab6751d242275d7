// SPDX-License-Identifier: MIT
#include "generator/crew_skills.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <stdexcept>

namespace {

struct SkillTable {
  const char* experience;
  std::span<const SkillRow> rows;
  bool clanModifier;  // the Clan crew's +2 (or -2 when marked)
};

// clang-format off
const SkillTable kSkillTables[] = {
  {"Green",   kGreen,   true },
  {"Veteran", kVeteran, false},
  {"Regular", kRegular, false},
  {"Elite",   kElite,   false},
};
// clang-format on

const SkillTable* tableFor(std::string_view experience) {
  const auto table =
      std::find_if(std::begin(kSkillTables), std::end(kSkillTables),
                   [&](const SkillTable& candidate) { return experience == candidate.experience; });
  return table == std::end(kSkillTables) ? nullptr : table;
}

}  // namespace

bool rollsCrewSkills(std::string_view experience) {
  return tableFor(experience) != nullptr;
}

const SkillRow& crewSkillsFor(std::string_view experience, bool clan, bool mark, int die) {
  const SkillTable* table = tableFor(experience);
  if (!table) throw std::logic_error("no crew skill table for an experience word");
  const int result = table->clanModifier && clan ? die + (mark ? -2 : 2) : die;
  return rowFor(table->rows, result);
}

void rollCrewSkills(ForceRun& run, int slot) {
  const apstring& experience = run.force.experience;
  if (!rollsCrewSkills(experience.c_str())) return;
  Mech& crew = run.force.roster[slot];
  const SkillRow& row =
      crewSkillsFor(experience.c_str(), run.force.isClan, crew.mark, run.dice.d6());
  crew.piloting = row.piloting;
  crew.gunnery = row.gunnery;
}
