// SPDX-License-Identifier: MIT
#include "roster/listing.h"

std::vector<apstring> listRoster(const apstring& houseWord, const apstring& sizeWord,
                                 const apstring& weightWord, const apstring& experienceWord,
                                 bool clan, const apvector<Mech>& force) {
  const int slotsPerGroup = groupSizeFor(clan);
  std::vector<apstring> lines{houseWord, sizeWord, weightWord, experienceWord};
  lines.reserve(4 + force.length() + force.length() / slotsPerGroup + 1);
  for (int i = 0; i < force.length(); ++i) {
    const Mech& slot = force[i];
    if (i % slotsPerGroup == 0) lines.emplace_back(" ");
    lines.push_back(slot.name + apstring(" P: ") + slot.piloting + apstring(" G: ") + slot.gunnery);
  }
  return lines;
}

std::vector<apstring> listForce(const Force& force) {
  return listRoster(force.house, force.size, force.weight, force.experience, force.isClan,
                    force.roster);
}
