#include "generator/crew_skills.h"

#include <climits>

#include "generator/dice.h"
#include "generator/generate.h"
#include "generator/rule_tables.h"

namespace {

struct SkillRow {
  int low, high;
  char piloting, gunnery;
};

// clang-format off
// Green: the die for a House crew, the die + 2 for a Clan crew (- 2 when marked).
constexpr SkillRow kGreen[] = {
  {INT_MIN, 0, '7', '7'},
  {1,       1, '7', '6'},
  {2,       3, '6', '5'},
  {4,       5, '6', '4'},
  {6,       7, '5', '4'},
  {8,       8, '4', '3'},
};

constexpr SkillRow kRegular[] = {
  {1, 2, '6', '4'},
  {3, 4, '5', '4'},
  {5, 6, '4', '3'},
};

constexpr SkillRow kVeteran[] = {
  {1, 2, '5', '4'},
  {3, 4, '4', '3'},
  {5, 6, '3', '2'},
};

constexpr SkillRow kElite[] = {
  {1, 2, '4', '3'},
  {3, 4, '3', '2'},
  {5, 6, '2', '1'},
};
// clang-format on

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
