// SPDX-License-Identifier: MIT
#include "roster/force_data.h"

#include <nlohmann/json.hpp>

#include "generator/reroll_list.h"
#include "roster/csv_field.h"

const char* slotKindWord(SlotKind kind) {
  switch (kind) {
    case SlotKind::vehicle:
      return "vehicle";
    case SlotKind::battleArmour:
      return "battle armour";
    case SlotKind::open:
      return "open";
    case SlotKind::mech:
      break;
  }
  return "mech";
}

std::string slotWeightClass(const Force& force, const Mech& slot) {
  return slot.kind == SlotKind::battleArmour ? force.weight.c_str() : slot.weightClass.c_str();
}

namespace {

nlohmann::ordered_json skill(const Mech& slot, char digit) {
  if (slot.kind == SlotKind::open) return nullptr;
  return digit - '0';
}

std::string skillField(const Mech& slot, char digit) {
  return slot.kind == SlotKind::open ? "" : std::to_string(digit - '0');
}

}  // namespace

std::string forceJson(const Force& force) {
  nlohmann::ordered_json groups = nlohmann::ordered_json::array();
  for (int i = 0; i < force.roster.length(); ++i) {
    if (i % force.groupSize() == 0)
      groups.push_back({
          {"weight_class",
           force.groupWeights.at(static_cast<std::size_t>(i / force.groupSize())).c_str()},
          {"slots",        nlohmann::ordered_json::array()                               },
      });
    const Mech& slot = force.roster[i];
    groups.back()["slots"].push_back({
        {"design",                 slot.name.c_str()},
        {          "weight_class",   slotWeightClass(force,             slot)},
        {          "kind", slotKindWord(slot.kind)                 },
        { "piloting",          skill(slot,                           slot.piloting)},
        {  "gunnery",           skill(slot,                            slot.gunnery)},
    });
  }
  nlohmann::ordered_json rerolls = nlohmann::ordered_json::array();
  for (const Reroll& reroll : force.rerolls) rerolls.push_back(rerollWord(reroll));
  nlohmann::ordered_json data = {
      {"seed",       force.seed              },
      {"rerolls",    rerolls                 },
      {"faction",    force.house.c_str()     },
      {"size",       force.size.c_str()      },
      {"weight",     force.weight.c_str()    },
      {"experience", force.experience.c_str()},
      {"vehicles",   force.withVehicles      },
      {"clan",       force.isClan            },
      {"groups",     groups                  },
  };
  if (force.collection || force.unique) {
    data["collection"] = nullptr;
    if (force.collection)
      data["collection"] = {
          {"name",     force.collection->name    },
          {"identity", force.collection->identity},
      };
    data["unique"] = force.unique;
  }
  return data.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string forceCsv(const Force& force) {
  std::string csv = "group,slot,design,weight_class,kind,piloting,gunnery\r\n";
  for (int i = 0; i < force.roster.length(); ++i) {
    const Mech& slot = force.roster[i];
    csv += std::to_string(i / force.groupSize() + 1) + ',' +
           std::to_string(i % force.groupSize() + 1) + ',' + csvField(slot.name.c_str()) + ',' +
           csvField(slotWeightClass(force, slot)) + ',' + slotKindWord(slot.kind) + ',' +
           skillField(slot, slot.piloting) + ',' + skillField(slot, slot.gunnery) + "\r\n";
  }
  return csv;
}
