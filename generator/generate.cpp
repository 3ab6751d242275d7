// SPDX-License-Identifier: MIT
#include "generator/generate.h"

#include <string>
#include <string_view>

#include "generator/choice_lists.h"
#include "generator/fill_group.h"
#include "generator/force_run.h"
#include "generator/formation.h"
#include "generator/reroll_list.h"
#include "generator/rule_tables.h"

namespace {

// Group count of a listed size word, or "Random" rolled on the force's size table.
int resolveGroupCount(ForceRun& run) {
  Force& force = run.force;
  if (force.size == apstring(kRandomChoice)) {
    const SizeRow& row = rollOn(force.isClan ? kClanSizes : kHouseSizes, run.dice);
    force.size = row.size;
    return row.groups;
  }
  for (const SizeWord& entry : kSizeWords) {
    if (force.size == apstring(entry.word)) return entry.groups;
  }
  return 0;  // checkedChoices has refused every other word
}

}  // namespace

void checkReroll(const Force& force, Reroll reroll) {
  const int groups = force.groupCount();
  const std::string name = rerollWord(reroll);
  if (reroll.group < 1 || reroll.group > groups)
    throw RerollError((reroll.slot == 0 ? "group " : "slot ") + name +
                      ": the force has groups 1 to " + std::to_string(groups));
  if (reroll.slot < 0 || reroll.slot > force.groupSize())
    throw RerollError("slot " + name + ": a " + groupWord(force.isClan, true) + " has slots 1 to " +
                      std::to_string(force.groupSize()));
}

Force generateForce(const TableText& tables, const Selection& selection, std::uint32_t seed,
                    const std::vector<Reroll>& rerolls) {
  Force force = generateForce(tables, selection, seededDice(seed));
  force.seed = seed;
  for (const Reroll& reroll : rerolls) rerollForce(force, tables, reroll);
  return force;
}

namespace {

// One Generate run of `run`, whose force is empty, for `selection`.
void generateInto(ForceRun& run, const Selection& selection) {
  // The words alone are checked: the collection is copied once, into the force.
  const Selection words =
      checkedChoices(Selection{selection.house, selection.size, selection.weight,
                               selection.experience, selection.withVehicles});
  Force& force = run.force;
  force.withVehicles = words.withVehicles;
  force.collection = selection.collection;
  force.unique = selection.unique;
  force.house = words.house.c_str();
  force.size = words.size.c_str();
  force.experience = words.experience.c_str();
  force.weight = words.weight.c_str();

  force.isClan = isClanFaction(words.house);
  const HouseRow& houseRow = rollOn(kHouses, run.dice);  // drawn whatever the choice
  if (force.house == apstring(kRandomChoice)) {
    force.house = houseRow.house;
    force.isClan = houseRow.clan;
  }

  const int groupCount = resolveGroupCount(run);
  force.roster.resize(groupCount * force.groupSize());
  for (int k = 0; k < force.roster.length(); ++k) force.roster[k].kind = SlotKind::open;

  if (force.weight == apstring(kRandomChoice) && groupCount == 1) {
    const WeightRow& row = rollOn(kWeights, run.dice);
    force.weight = force.isClan ? row.clan : row.house;
  }
  if (force.experience == apstring(kRandomChoice))
    force.experience = rollOn(kExperiences, run.dice).word;

  force.houseStart = run.table.findFaction(force.house);
  formUnit(run, groupCount);
}

}  // namespace

Force generateForce(const TableText& tables, const Selection& selection, DiceSource dice) {
  Force force;
  ForceRun run(force, tables, std::move(dice));
  generateInto(run, selection);
  return force;
}

Force generateForce(TableSearches& reading, const Selection& selection, std::uint32_t seed) {
  Force force;
  ForceRun run(force, reading, seededDice(seed));
  generateInto(run, selection);
  force.seed = seed;
  return force;
}

void rerollForce(Force& force, const TableText& tables, Reroll reroll) {
  rerollForce(force, tables, reroll, rerollDice(force.seed, force.rerolls.size()));
}

void rerollForce(Force& force, const TableText& tables, Reroll reroll, DiceSource dice) {
  checkReroll(force, reroll);
  ForceRun run(force, tables, std::move(dice));
  const int firstSlot = (reroll.group - 1) * force.groupSize();
  if (reroll.slot == 0) {
    FillGroup(run, force.groupWeights.at(static_cast<std::size_t>(reroll.group - 1)),
              firstSlot + 1);
  } else {
    FillSlot(run, firstSlot + reroll.slot - 1);
  }
  force.rerolls.push_back(reroll);
}

void rerollForce(Force& force, const TableText& tables, const std::vector<RerollItem>& items) {
  const std::vector<Reroll> rerolls = expandRerolls(items, force.groupCount());
  for (const Reroll& reroll : rerolls) checkReroll(force, reroll);
  for (const Reroll& reroll : rerolls) rerollForce(force, tables, reroll);
}
