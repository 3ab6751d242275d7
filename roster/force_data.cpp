#include "roster/force_data.h"

#include <nlohmann/json.hpp>

#include "generator/generate.h"
#include "roster/csv_field.h"

namespace {

const char* kindWord(SlotKind kind) {
  switch (kind) {
    case SlotKind::vehicle:
      return "vehicle";
    case SlotKind::battleArmour:
      return "battle armour";
    case SlotKind::mech:
      break;
  }
  return "mech";
}

std::string weightClassOf(const Mech& slot) {
  return slot.kind == SlotKind::battleArmour ? weight.c_str() : slot.weightClass.c_str();
}

int skill(char digit) {
  return digit - '0';
}

}  // namespace

std::string forceJson(std::uint32_t seed) {
  nlohmann::ordered_json groups = nlohmann::ordered_json::array();
  for (int i = 0; i < roster.length(); ++i) {
    if (i % groupSize() == 0)
      groups.push_back({
          {"slots", nlohmann::ordered_json::array()}
      });
    const Mech& slot = roster[i];
    groups.back()["slots"].push_back({
        {"design",       slot.name.c_str()   },
        {"weight_class", weightClassOf(slot) },
        {"kind",         kindWord(slot.kind) },
        {"piloting",     skill(slot.piloting)},
        {"gunnery",      skill(slot.gunnery) },
    });
  }
  const nlohmann::ordered_json force = {
      {"seed",       seed              },
      {"faction",    house.c_str()     },
      {"size",       size.c_str()      },
      {"weight",     weight.c_str()    },
      {"experience", experience.c_str()},
      {"vehicles",   withVehicles      },
      {"clan",       isClan            },
      {"groups",     groups            },
  };
  return force.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string forceCsv() {
  std::string csv = "group,slot,design,weight_class,kind,piloting,gunnery\r\n";
  for (int i = 0; i < roster.length(); ++i) {
    const Mech& slot = roster[i];
    csv += std::to_string(i / groupSize() + 1) + ',' + std::to_string(i % groupSize() + 1) + ',' +
           csvField(slot.name.c_str()) + ',' + csvField(weightClassOf(slot)) + ',' +
           kindWord(slot.kind) + ',' + std::to_string(skill(slot.piloting)) + ',' +
           std::to_string(skill(slot.gunnery)) + "\r\n";
  }
  return csv;
}
