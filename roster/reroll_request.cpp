// SPDX-License-Identifier: MIT
#include "roster/reroll_request.h"

#include "generator/generate.h"
#include "roster/listing.h"

bool rerollApplies(const Force& force, RerollKind kind, Reroll at) {
  switch (kind) {
    case RerollKind::group:
      return true;
    case RerollKind::otherGroups:
      return force.groupCount() > 1;
    case RerollKind::slot:
      break;
  }
  return at.slot != 0;
}

std::vector<Reroll> rerollRequest(const Force& force, RerollKind kind, Reroll at) {
  checkReroll(force, at);
  std::vector<Reroll> rerolls;
  if (!rerollApplies(force, kind, at)) return rerolls;
  if (kind == RerollKind::slot) rerolls.push_back(at);
  if (kind == RerollKind::group) rerolls.push_back({at.group, 0});
  if (kind == RerollKind::otherGroups)
    for (int group = 1; group <= force.groupCount(); ++group)
      if (group != at.group) rerolls.push_back({group, 0});
  return rerolls;
}

std::vector<Reroll> rerollRequestAtLine(const Force& force, RerollKind kind, int line) {
  const std::optional<Reroll> at = rerollAtLine(line, force.groupSize(), force.groupCount());
  if (!at) return {};
  return rerollRequest(force, kind, *at);
}
