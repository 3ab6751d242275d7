// SPDX-License-Identifier: MIT
#include "roster/force_data.h"

#include <nlohmann/json.hpp>

#include "generator/reroll_list.h"
#include "roster/csv_field.h"
#include "roster/force_totals.h"

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

// Tons as JSON writes them: a whole number while there are no hundredths.
nlohmann::ordered_json tonsValue(std::int64_t hundredths) {
  if (hundredths % 100 == 0) return hundredths / 100;
  return static_cast<double>(hundredths) / 100;
}

template <class Number, class Write>
nlohmann::ordered_json orNull(const std::optional<Number>& number, Write write) {
  if (!number) return nullptr;
  return write(*number);
}

nlohmann::ordered_json totalsValue(const Totals& totals) {
  const auto withSkill = [&totals](auto number) {
    return totals.withSkill ? nlohmann::ordered_json(number) : nlohmann::ordered_json(nullptr);
  };
  return {
      {"tons",                 tonsValue(totals.tonsHundredths)    },
      {"points",               totals.points                       },
      {"skill_points",         withSkill(totals.skillPoints)       },
      {"without_tons",         totals.withoutTons                  },
      {"without_points",       totals.withoutPoints                },
      {"without_skill_points", withSkill(totals.withoutSkillPoints)},
      {"open",                 totals.open                         },
  };
}

// A file's name and identity, or null for none.
template <class File>
nlohmann::ordered_json fileValue(const File* file) {
  if (!file) return nullptr;
  return {
      {"name",     file->name    },
      {"identity", file->identity},
  };
}

nlohmann::ordered_json sameNumber(std::int64_t number) {
  return number;
}

}  // namespace

namespace {

nlohmann::ordered_json forceValue(const Force& force, const DesignList* designs,
                                  const SkillTable* skills) {
  const ForceTotals totals = forceTotals(force, designs, skills);
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
    const SlotNumbers& numbers = totals.slots.at(static_cast<std::size_t>(i));
    groups.back()["slots"].back()["tons"] = orNull(numbers.tonsHundredths, tonsValue);
    groups.back()["slots"].back()["points"] = orNull(numbers.points, sameNumber);
    groups.back()["slots"].back()["skill_points"] = orNull(numbers.skillPoints, sameNumber);
  }
  for (std::size_t g = 0; g < groups.size(); ++g)
    groups[g]["totals"] = totalsValue(totals.groups.at(g));
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
  if (force.budget) {
    data["budget"] = nlohmann::ordered_json::object();
    if (force.budget->points)
      data["budget"]["points"] = {
          {"low",  force.budget->points->low },
          {"high", force.budget->points->high},
      };
    if (force.budget->tonsHundredths)
      data["budget"]["tons"] = {
          {"low",  tonsValue(force.budget->tonsHundredths->low) },
          {"high", tonsValue(force.budget->tonsHundredths->high)},
      };
    if (force.budget->skillPoints)
      data["budget"]["skill_points"] = {
          {"low",  force.budget->skillPoints->low },
          {"high", force.budget->skillPoints->high},
      };
  }
  data["totals"] = totalsValue(totals.force);
  data["designs"] = fileValue(designs);
  data["skills"] = fileValue(skills);
  return data;
}

std::string jsonText(const nlohmann::ordered_json& data) {
  return data.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

nlohmann::ordered_json measureValue(std::int64_t total, Measure measure) {
  return measure == Measure::tons ? tonsValue(total) : nlohmann::ordered_json(total);
}

nlohmann::ordered_json balanceValue(const Balance& balance) {
  const std::optional<std::int64_t> tenths = balanceTenths(balance);
  return {
      {"measure",                      measureKey(balance.measure)  },
      {"side_a",                       measureValue(balance.sideA,    balance.measure)},
      {"side_b",                              measureValue(balance.sideB,                                                    balance.measure)},
      {"low",              measureValue(balance.band.low,balance.measure)},
      {"high",measureValue(balance.band.high,          balance.measure)},
      {"handicap",                         balance.handicap                                    },
      {"tolerance",                              balance.tolerance                                                 },
      {"percent",                              tenths ? nlohmann::ordered_json(static_cast<double>(*tenths) / 10)
                         : nlohmann::ordered_json(nullptr)            },
      {"in_band",                              !balance.outsideNow },
  };
}

// The header of forceCsv, with `side` first for a pair.
std::string csvHeader(bool side, const SkillTable* skills) {
  return std::string(side ? "side," : "") +
         "group,slot,design,weight_class,kind,piloting,gunnery,tons,points" +
         (skills ? ",skill_points" : "") + "\r\n";
}

// forceCsv's rows, each after `side` and a comma where it is not empty.
std::string csvRows(const Force& force, const DesignList* designs, const SkillTable* skills,
                    const std::string& side) {
  const ForceTotals totals = forceTotals(force, designs, skills);
  std::string csv;
  for (int i = 0; i < force.roster.length(); ++i) {
    const Mech& slot = force.roster[i];
    const SlotNumbers& numbers = totals.slots.at(static_cast<std::size_t>(i));
    csv += (side.empty() ? "" : side + ',') + std::to_string(i / force.groupSize() + 1) + ',' +
           std::to_string(i % force.groupSize() + 1) + ',' + csvField(slot.name.c_str()) + ',' +
           csvField(slotWeightClass(force, slot)) + ',' + slotKindWord(slot.kind) + ',' +
           skillField(slot, slot.piloting) + ',' + skillField(slot, slot.gunnery) + ',' +
           (numbers.tonsHundredths ? tonsText(*numbers.tonsHundredths) : "") + ',' +
           (numbers.points ? std::to_string(*numbers.points) : "");
    if (skills) csv += ',' + (numbers.skillPoints ? std::to_string(*numbers.skillPoints) : "");
    csv += "\r\n";
  }
  return csv;
}

}  // namespace

std::string forceJson(const Force& force, const DesignList* designs, const SkillTable* skills) {
  return jsonText(forceValue(force, designs, skills));
}

std::string forcePairJson(const ForcePair& pair, const DesignList* designs,
                          const SkillTable* skills) {
  nlohmann::ordered_json data = forceValue(pair.sideA, designs, skills);
  data["opponent"] = forceValue(pair.sideB, designs, skills);
  data["balance"] = balanceValue(pair.balance);
  return jsonText(data);
}

std::string forcePairCsv(const ForcePair& pair, const DesignList* designs,
                         const SkillTable* skills) {
  return csvHeader(true, skills) + csvRows(pair.sideA, designs, skills, "A") +
         csvRows(pair.sideB, designs, skills, "B");
}

std::string forceCsv(const Force& force, const DesignList* designs, const SkillTable* skills) {
  return csvHeader(false, skills) + csvRows(force, designs, skills, "");
}
