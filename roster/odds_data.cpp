// SPDX-License-Identifier: MIT
#include "roster/odds_data.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "roster/csv_field.h"

namespace {

std::string decimal(double value, const char* format) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string padded(const std::string& text, std::size_t width) {
  return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

// What names a row in the text: its item, and for a design what fills the slot and its class.
std::string label(OddsPartKind kind, const OddsRow& row) {
  if (kind != OddsPartKind::designs) return row.item;
  return row.item + " (" + row.source + ", " + row.weightClass + ")";
}

std::string choicesLine(const Selection& choices) {
  return "Odds for faction " + choices.house + ", size " + choices.size + ", weight " +
         choices.weight + ", experience " + choices.experience +
         (choices.withVehicles ? ", vehicles allowed" : ", no vehicles") + ".\n";
}

void appendPart(std::string& text, const OddsPart& part) {
  text += "\n";
  text += partTitle(part.kind);
  text +=
      part.rows.empty() || part.rows.front().expected ? " (share; expected in the force)\n" : "\n";
  std::size_t labelWidth = 0, chanceWidth = 0;
  for (const OddsRow& row : part.rows) {
    labelWidth = std::max(labelWidth, label(part.kind, row).size());
    chanceWidth = std::max(chanceWidth, row.chance.text().size());
  }
  const bool tables = part.kind == OddsPartKind::tables;
  const OddsRow* previous = nullptr;
  for (const OddsRow& row : part.rows) {
    if (tables &&
        (!previous || previous->source != row.source || previous->weightClass != row.weightClass)) {
      text += "  " + row.source + " " + row.weightClass + " (heading on line " +
              std::to_string(row.line) + ")\n";
    }
    previous = &row;
    const std::string chance = row.chance.text();
    text += std::string(tables ? 4 : 2, ' ') + padded(label(part.kind, row), labelWidth) + "  " +
            std::string(chanceWidth - chance.size(), ' ') + chance + "  " +
            decimal(row.chance.value() * 100, "%7.2f%%");
    if (row.expected)
      text += "  " + row.expected->text() + " (" + decimal(row.expected->value(), "%.2f") + ")";
    text += "\n";
  }
}

// The collection and the limits of the figures, for odds drawn from owned copies.
std::string ownedLines(const OddsReport& report) {
  const Selection& choices = report.choices;
  std::string text = "Drawn from ";
  if (choices.collection)
    text += "collection " + choices.collection->name + " (" + choices.collection->identity + ")" +
            (choices.unique ? ", each design once" : "");
  else
    text += "every design of the table file once";
  return text +
         ".\nEach table's chances are for a slot drawn while every copy is still there; copy\n"
         "limits lower later chances and are not counted. Expected open slots in the force,\n"
         "copies never running out: " +
         report.openSlots->text() + " (" + decimal(report.openSlots->value(), "%.2f") + ").\n";
}

}  // namespace

std::string oddsText(const OddsReport& report) {
  std::string text = choicesLine(report.choices);
  if (report.openSlots) text += ownedLines(report);
  for (const OddsPart& part : report.parts) appendPart(text, part);
  return text;
}

std::string oddsCsv(const OddsReport& report) {
  std::string csv = "part,source,weight_class,line,item,chance,percent,expected,expected_value\r\n";
  for (const OddsPart& part : report.parts) {
    for (const OddsRow& row : part.rows) {
      csv += std::string(partKey(part.kind)) + ',' + csvField(row.source) + ',' +
             csvField(row.weightClass) + ',' + (row.line > 0 ? std::to_string(row.line) : "") +
             ',' + csvField(row.item) + ',' + row.chance.text() + ',' +
             decimal(row.chance.value() * 100, "%.4f") + ',' +
             (row.expected ? row.expected->text() + ',' + decimal(row.expected->value(), "%.4f")
                           : std::string(",")) +
             "\r\n";
    }
  }
  return csv;
}

std::string oddsJson(const OddsReport& report) {
  nlohmann::ordered_json parts = nlohmann::ordered_json::array();
  for (const OddsPart& part : report.parts) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const OddsRow& row : part.rows) {
      nlohmann::ordered_json entry;
      if (!row.source.empty()) entry["source"] = row.source;
      if (!row.weightClass.empty()) entry["weight_class"] = row.weightClass;
      if (row.line > 0) entry["line"] = row.line;
      entry["item"] = row.item;
      entry["chance"] = row.chance.text();
      entry["percent"] = row.chance.value() * 100;
      if (row.expected) {
        entry["expected"] = row.expected->text();
        entry["expected_value"] = row.expected->value();
      }
      rows.push_back(std::move(entry));
    }
    parts.push_back({
        {"part",  partKey(part.kind)  },
        {"title", partTitle(part.kind)},
        {"rows",  std::move(rows)     },
    });
  }
  nlohmann::ordered_json odds = {
      {"faction",    report.choices.house       },
      {"size",       report.choices.size        },
      {"weight",     report.choices.weight      },
      {"experience", report.choices.experience  },
      {"vehicles",   report.choices.withVehicles},
      {"parts",      std::move(parts)           },
  };
  if (report.openSlots) {
    const Selection& choices = report.choices;
    odds["collection"] = nullptr;
    if (choices.collection)
      odds["collection"] = {
          {"name",     choices.collection->name    },
          {"identity", choices.collection->identity},
      };
    odds["unique"] = choices.unique;
    odds["open_slots"] = report.openSlots->text();
    odds["open_slots_value"] = report.openSlots->value();
  }
  return odds.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}
