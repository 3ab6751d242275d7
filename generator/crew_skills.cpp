#include "generator/crew_skills.h"

#include "generator/dice.h"
#include "generator/generate.h"
#include "generator/rule_tables.h"

namespace {

void setSkills(int slot, const SkillRow& row) {
  roster[slot].piloting = row.piloting;
  roster[slot].gunnery = row.gunnery;
}

}  // namespace

void rollCrewSkills(int slot) {
  if (experience == apstring("Green")) {
    int result = d6();
    if (isClan) result += roster[slot].mark ? -2 : 2;
    setSkills(slot, rowFor(kGreen, result));
  }
  if (experience == apstring("Veteran")) setSkills(slot, rowFor(kVeteran, d6()));
  if (experience == apstring("Regular")) setSkills(slot, rowFor(kRegular, d6()));
  if (experience == apstring("Elite")) setSkills(slot, rowFor(kElite, d6()));
}
