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

std::string exact(const Fraction& figure) {
  return figure.text() + " (" + decimal(figure.value(), "%.2f") + ")";
}

std::string lacking(const ExpectedNumbers& figures) {
  std::string text;
  if (figures.withoutTons > 0)
    text += std::to_string(figures.withoutTons) +
            (figures.withoutTons == 1 ? " design without tons" : " designs without tons");
  if (figures.withoutPoints > 0)
    text += (text.empty() ? "" : ", ") + std::to_string(figures.withoutPoints) +
            (figures.withoutPoints == 1 ? " design without points" : " designs without points");
  return text;
}

// The label of a table's figures, or of the force's.
std::string numbersLabel(const ExpectedNumbers& figures) {
  return figures.source.empty() ? "The force" : figures.source + " " + figures.weightClass;
}

}  // namespace

std::string oddsNumbersText(const OddsReport& report) {
  if (!report.numbers) return "";
  const OddsNumbers& numbers = *report.numbers;
  std::string text =
      "Tons and points (expected; a design without a number counts as nothing)\n"
      "  From design list " +
      numbers.listName + " (" + numbers.listIdentity + ")" +
      (numbers.force.skillPoints ? ", crew skill from skill table " + numbers.force.skillsName +
                                       " (" + numbers.force.skillsIdentity + ")"
                                 : "") +
      ".\n";
  std::vector<const ExpectedNumbers*> rows{&numbers.force};
  for (const ExpectedNumbers& table : numbers.tables) rows.push_back(&table);
  std::size_t labelWidth = 0, tonsWidth = 0;
  for (const ExpectedNumbers* row : rows) {
    labelWidth = std::max(labelWidth, numbersLabel(*row).size());
    tonsWidth = std::max(tonsWidth, exact(row->tons).size() + 5);
  }
  for (const ExpectedNumbers* row : rows) {
    if (row == rows[1]) text += "  One draw from each table:\n";
    const std::string more = lacking(*row);
    text += std::string(row == rows[0] ? 2 : 4, ' ') +
            padded(numbersLabel(*row), labelWidth + (row == rows[0] ? 2 : 0)) + "  " +
            padded(exact(row->tons) + " tons", tonsWidth) + "  " + exact(row->points) + " points" +
            (row->skillPoints ? "  " + exact(*row->skillPoints) + " with crew skill" : "") +
            (more.empty() ? "" : "; " + more) + "\n";
  }
  return text;
}

std::string oddsText(const OddsReport& report) {
  std::string text = choicesLine(report.choices);
  if (report.openSlots) text += ownedLines(report);
  for (const OddsPart& part : report.parts) appendPart(text, part);
  if (report.numbers) text += "\n" + oddsNumbersText(report);
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
  if (report.numbers) {
    std::vector<const ExpectedNumbers*> rows{&report.numbers->force};
    for (const ExpectedNumbers& table : report.numbers->tables) rows.push_back(&table);
    for (const ExpectedNumbers* row : rows) {
      const std::string place =
          "tons_points," + csvField(row->source.empty() ? "force" : row->source) + ',' +
          csvField(row->weightClass) + ',' + (row->line > 0 ? std::to_string(row->line) : "") + ',';
      const std::pair<const char*, Fraction> figures[] = {
          {"tons",                   row->tons                   },
          {"points",                 row->points                 },
          {"designs without tons",   Fraction(row->withoutTons)  },
          {"designs without points", Fraction(row->withoutPoints)},
      };
      for (const auto& [item, figure] : figures)
        csv +=
            place + item + ",,," + figure.text() + ',' + decimal(figure.value(), "%.4f") + "\r\n";
      if (row->skillPoints)
        csv += place + "points with crew skill,,," + row->skillPoints->text() + ',' +
               decimal(row->skillPoints->value(), "%.4f") + "\r\n";
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
  if (report.numbers) {
    const auto figures = [](const ExpectedNumbers& row) {
      nlohmann::ordered_json entry;
      if (!row.source.empty()) {
        entry["source"] = row.source;
        entry["weight_class"] = row.weightClass;
        entry["line"] = row.line;
      }
      entry["tons"] = row.tons.text();
      entry["tons_value"] = row.tons.value();
      entry["points"] = row.points.text();
      entry["points_value"] = row.points.value();
      entry["without_tons"] = row.withoutTons;
      entry["without_points"] = row.withoutPoints;
      if (row.skillPoints) {
        entry["skill_points"] = row.skillPoints->text();
        entry["skill_points_value"] = row.skillPoints->value();
        entry["skills"] = {
            {"name",     row.skillsName    },
            {"identity", row.skillsIdentity},
        };
      }
      return entry;
    };
    nlohmann::ordered_json tables = nlohmann::ordered_json::array();
    for (const ExpectedNumbers& table : report.numbers->tables) tables.push_back(figures(table));
    odds["tons_points"] = {
        {"designs",
         {{"name", report.numbers->listName}, {"identity", report.numbers->listIdentity}}},
        {"force",   figures(report.numbers->force)                                       },
        {"tables",  std::move(tables)                                                    },
    };
  }
  return odds.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}
