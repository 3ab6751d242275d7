// SPDX-License-Identifier: MIT
#include "roster/made_tables_data.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "odds/fraction.h"
#include "tables/design_list.h"
#include "tables/table_layout.h"

namespace {

struct RarityName {
  std::int64_t hundredths;
  const char* word;
};
constexpr RarityName kRarityNames[] = {
    {800, "common"   },
    {400, "uncommon" },
    {200, "rare"     },
    {100, "very rare"},
};

std::string rarityText(std::int64_t hundredths) {
  for (const RarityName& name : kRarityNames)
    if (name.hundredths == hundredths) return name.word;
  return tonsText(hundredths);
}

std::string sectionOf(const MadeTable& table) {
  return table.faction < 0 ? "vehicles" : kFactionHeadings[static_cast<std::size_t>(table.faction)];
}

Fraction asked(const MadeTable& table, const MadeEntry& entry) {
  return Fraction(entry.rarity, table.raritySum);
}

std::string percent(const Fraction& chance) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f%%", chance.value() * 100);
  return text;
}

std::string padded(std::string text, std::size_t width) {
  text.resize(std::max(width, text.size()), ' ');
  return text;
}

std::string entriesText(const std::vector<int>& entries) {
  std::string text;
  for (const int entry : entries) text += (text.empty() ? "" : ", ") + std::to_string(entry);
  return text;
}

std::string withThousands(std::size_t number) {
  const std::string digits = std::to_string(number);
  std::string text;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k > 0 && (digits.size() - k) % 3 == 0) text += ',';
    text += digits[k];
  }
  return text;
}

}  // namespace

MadeTablesReport madeTablesReport(const TableMaking& making, const std::string& listName,
                                  const std::string& baseName) {
  MadeTablesReport report;
  report.opening = "Tables laid out from " + listName + " over " + baseName + ".";
  for (const MadeTable& table : making.tables) {
    MadeTablesReport::Table& shown = report.tables.emplace_back();
    shown.heading =
        sectionOf(table) + " " + kWeightHeadings[static_cast<std::size_t>(table.weight)];
    for (const MadeEntry& entry : table.designs) {
      const Fraction want = asked(table, entry), given(entry.chance, kEntryOutcomes);
      shown.rows.push_back({entry.name, std::to_string(entry.line), rarityText(entry.rarity),
                            want.text() + " " + percent(want), given.text() + " " + percent(given),
                            entriesText(entry.entries)});
    }
    for (const MadeEntry& entry : table.leftOut)
      shown.leftOut.push_back("Left out (eleven entries at most): " + entry.name + " (line " +
                              std::to_string(entry.line) + ", " + rarityText(entry.rarity) + ")");
  }
  report.closing = "The faction tables take " + withThousands(making.bytesUsed) + " bytes of the " +
                   withThousands(static_cast<std::size_t>(vehicleStart)) +
                   " before the vehicle section; " + withThousands(making.bytesLeft) + " are left.";
  return report;
}

std::string madeTablesText(const MadeTablesReport& report) {
  // Each row's cells in columns: the design's as wide as the longest, the line's number set
  // right in four places, the rarity and the chances left in theirs.
  const auto columns = [](const auto& cells, std::size_t width) {
    std::string line = "  " + padded(cells[0], width) + "  ";
    line += std::string(4 - std::min<std::size_t>(4, std::string(cells[1]).size()), ' ') + cells[1];
    return line + "  " + padded(cells[2], 9) + "  " + padded(cells[3], 15) + "  " +
           padded(cells[4], 15) + "  " + cells[5] + "\n";
  };
  std::string text = report.opening + "\n";
  for (const MadeTablesReport::Table& table : report.tables) {
    std::size_t width = 6;
    for (const auto& row : table.rows) width = std::max(width, row[0].size());
    text += "\n" + table.heading + "\n" + columns(kMadeTablesColumns, width);
    for (const auto& row : table.rows) text += columns(row, width);
    for (const std::string& line : table.leftOut) text += "  " + line + "\n";
  }
  return text + "\n" + report.closing + "\n";
}

std::string madeTablesJson(const TableMaking& making, const std::string& listName,
                           const std::string& baseName) {
  nlohmann::ordered_json tables = nlohmann::ordered_json::array();
  for (const MadeTable& table : making.tables) {
    nlohmann::ordered_json designs = nlohmann::ordered_json::array();
    for (const MadeEntry& entry : table.designs) {
      const Fraction want = asked(table, entry), given(entry.chance, kEntryOutcomes);
      designs.push_back({
          {"design",        entry.name          },
          {"line",          entry.line          },
          {"rarity",        entry.rarity / 100.0},
          {"asked",         want.text()         },
          {"asked_percent", want.value() * 100  },
          {"given",         given.text()        },
          {"given_percent", given.value() * 100 },
          {"entries",       entry.entries       },
      });
    }
    nlohmann::ordered_json leftOut = nlohmann::ordered_json::array();
    for (const MadeEntry& entry : table.leftOut)
      leftOut.push_back({
          {"design", entry.name          },
          {"line",   entry.line          },
          {"rarity", entry.rarity / 100.0}
      });
    tables.push_back({
        {"section",      sectionOf(table)                                       },
        {"weight_class", kWeightHeadings[static_cast<std::size_t>(table.weight)]},
        {"designs",      std::move(designs)                                     },
        {"left_out",     std::move(leftOut)                                     },
    });
  }
  const nlohmann::ordered_json report = {
      {"list",            listName         },
      {"base",            baseName         },
      {"bytes_used",      making.bytesUsed },
      {"bytes_left",      making.bytesLeft },
      {"vehicle_section", vehicleStart     },
      {"tables",          std::move(tables)},
  };
  return report.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}
