// SPDX-License-Identifier: MIT
#include "roster/force_totals.h"

#include "roster/listing.h"

namespace {

void add(Totals& totals, const Mech& slot, const SlotNumbers& numbers) {
  if (slot.kind == SlotKind::open) {
    ++totals.open;
    return;
  }
  if (numbers.tonsHundredths)
    totals.tonsHundredths += *numbers.tonsHundredths;
  else
    ++totals.withoutTons;
  if (numbers.points)
    totals.points += *numbers.points;
  else
    ++totals.withoutPoints;
  if (!totals.withSkill) return;
  if (numbers.skillPoints)
    totals.skillPoints += *numbers.skillPoints;
  else
    ++totals.withoutSkillPoints;
}

std::string counted(int count, const char* what) {
  return ", " + std::to_string(count) + (count == 1 ? " slot " : " slots ") + what;
}

}  // namespace

ForceTotals forceTotals(const Force& force, const DesignList* designs, const SkillTable* skills) {
  ForceTotals totals;
  totals.force.withSkill = skills != nullptr;
  totals.groups.resize(static_cast<std::size_t>(force.groupCount()), totals.force);
  for (int i = 0; i < force.roster.length(); ++i) {
    const Mech& slot = force.roster[i];
    const DesignNumbers* row =
        designs && slot.kind != SlotKind::open ? designs->find(slot.name.c_str()) : nullptr;
    SlotNumbers numbers = row ? SlotNumbers{row->tonsHundredths, row->points, {}} : SlotNumbers{};
    if (row && skills)
      numbers.skillPoints = skills->pointsOf(row->points, slot.piloting, slot.gunnery);
    totals.slots.push_back(numbers);
    add(totals.groups.at(static_cast<std::size_t>(i / force.groupSize())), slot, numbers);
    add(totals.force, slot, numbers);
  }
  return totals;
}

std::string pointsText(std::int64_t points) {
  std::string digits = std::to_string(points);
  for (int at = static_cast<int>(digits.size()) - 3; at > (points < 0 ? 1 : 0); at -= 3)
    digits.insert(static_cast<std::size_t>(at), 1, ',');
  return digits;
}

std::string totalsLine(const Totals& totals) {
  std::string line = "Total: " + tonsText(totals.tonsHundredths) + " tons, " +
                     pointsText(totals.points) + " points";
  if (totals.withSkill) line += " (" + pointsText(totals.skillPoints) + " with crew skill)";
  if (totals.withoutTons > 0) line += counted(totals.withoutTons, "without tons");
  if (totals.withoutPoints > 0) line += counted(totals.withoutPoints, "without points");
  if (totals.withoutSkillPoints > 0)
    line += counted(totals.withoutSkillPoints, "without crew skill");
  if (totals.open > 0)
    line += ", " + std::to_string(totals.open) + (totals.open == 1 ? " open slot" : " open slots");
  return line;
}

std::string totalsWords(const Totals& totals) {
  std::string words =
      tonsText(totals.tonsHundredths) + " tons \u00b7 " + pointsText(totals.points) + " points";
  if (totals.withSkill) words += " \u00b7 " + pointsText(totals.skillPoints) + " with crew";
  const auto add = [&words](int count, const char* what) {
    if (count > 0) words += " \u00b7 " + std::to_string(count) + " " + what;
  };
  add(totals.withoutTons, "without tons");
  add(totals.withoutPoints, "without points");
  add(totals.withoutSkillPoints, "without crew skill");
  add(totals.open, "open");
  return words;
}

std::string slotNumbersText(const SlotNumbers& numbers, bool open, bool withSkill) {
  if (open) return "";
  const std::string tons =
      numbers.tonsHundredths ? tonsText(*numbers.tonsHundredths) + " tons" : "tons unknown";
  const std::string points =
      numbers.points ? pointsText(*numbers.points) + " points" : "points unknown";
  if (!withSkill) return tons + " \u00b7 " + points;
  const std::string crew =
      numbers.skillPoints ? pointsText(*numbers.skillPoints) + " with crew" : "crew skill unknown";
  return tons + " \u00b7 " + points + " \u00b7 " + crew;
}

std::string designListChangeNotice(const std::string& drawnName, const std::string& drawnWith,
                                   const DesignList* inUse) {
  if (drawnWith.empty() || drawnWith == (inUse ? inUse->identity : "")) return "";
  const std::string from =
      drawnName.empty()
          ? "a design list (" + shortIdentity(drawnWith) + ") that the link does not name"
          : "the design list " + drawnName + " (" + shortIdentity(drawnWith) + ")";
  const std::string here =
      inUse ? "the list in use is " + inUse->name + " (" + shortIdentity(inUse->identity) + ")"
            : "no design list is in use";
  return "This force was drawn with " + from + "; " + here +
         ", so its budget and totals may differ.";
}
