// SPDX-License-Identifier: MIT
#include "roster/force_totals.h"

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
}

std::string counted(int count, const char* what) {
  return ", " + std::to_string(count) + (count == 1 ? " slot " : " slots ") + what;
}

}  // namespace

ForceTotals forceTotals(const Force& force, const DesignList* designs) {
  ForceTotals totals;
  totals.groups.resize(static_cast<std::size_t>(force.groupCount()));
  for (int i = 0; i < force.roster.length(); ++i) {
    const Mech& slot = force.roster[i];
    const DesignNumbers* row =
        designs && slot.kind != SlotKind::open ? designs->find(slot.name.c_str()) : nullptr;
    const SlotNumbers numbers = row ? SlotNumbers{row->tonsHundredths, row->points} : SlotNumbers{};
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
  if (totals.withoutTons > 0) line += counted(totals.withoutTons, "without tons");
  if (totals.withoutPoints > 0) line += counted(totals.withoutPoints, "without points");
  if (totals.open > 0)
    line += ", " + std::to_string(totals.open) + (totals.open == 1 ? " open slot" : " open slots");
  return line;
}
