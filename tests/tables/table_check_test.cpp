// SPDX-License-Identifier: MIT
#include "tables/table_check.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "support/file_bytes.h"
#include "support/table_files.h"
#include "tables/table_error.h"

namespace {

using Messages = std::vector<std::string>;

// A table file with every faction in order, except those that `sections` replaces (an empty
// text leaves the faction out), padded to the vehicle section, then `vehicles`.
std::string tablesWith(const std::map<std::string, std::string>& sections,
                       const std::string& vehicles = vehicleSection()) {
  std::string text = "Test tables\n";
  for (const std::string& faction : kFactions) {
    const auto replaced = sections.find(faction);
    text += replaced == sections.end() ? factionSection(faction) : replaced->second;
  }
  return padToVehicles(text) + vehicles;
}

// The 1-based number of the first line of `text` that equals `line`.
std::string lineOf(const std::string& text, const std::string& line) {
  const std::size_t at = ("\n" + text).find("\n" + line + "\n");
  return std::to_string(std::count(text.begin(), text.begin() + at, '\n') + 1);
}

std::string lastLine(const std::string& text) {
  return std::to_string(std::count(text.begin(), text.end(), '\n'));
}

TEST(TableCheck, SoundFilesPass) {
  EXPECT_EQ(checkTableBytes(soundTables(), "T"), Messages{});
  EXPECT_EQ(checkTableFile(SHIPPED_TABLES), Messages{});

  std::string withNul = soundTables();
  withNul.replace(0, withNul.find("\nLight\n"), std::string("Test table\nKur\0ita", 18));
  EXPECT_EQ(checkTableBytes(withNul, "T"), Messages{}) << "the searches skip NUL bytes too";
}

TEST(TableCheck, NamesEveryBreachWithItsLine) {
  const std::string threeTables = "Marik\n" + weightTable("Mar", "Light") +
                                  weightTable("Mar", "Medium") + weightTable("Mar", "Heavy");
  const std::string shortMedium = "Kurita\n" + weightTable("Kur", "Light") +
                                  weightTable("Kur", "Medium", 10) + weightTable("Kur", "Heavy") +
                                  weightTable("Kur", "Assault");
  std::string strayWolf = factionSection("Kurita");
  strayWolf.replace(strayWolf.find("Kur Light 3"), 11, "Wolf");
  const std::string shortVehicles = "Vehicles\n" + weightTable("Veh", "Light") +
                                    weightTable("Veh", "Medium") + weightTable("Veh", "Heavy") +
                                    weightTable("Veh", "Assault", 9);
  const std::string noHeavyVehicles = "Vehicles\n" + weightTable("Veh", "Light") +
                                      weightTable("Veh", "Medium") + weightTable("Veh", "Assault");

  const std::string noWolf = tablesWith({
      {"Wolf", ""}
  });
  const std::string shortLast = tablesWith({}, shortVehicles);
  const std::string vehiclesLate = tablesWith(
      {
          {"Smoke Jaguar", ""}
  },
      factionSection("Smoke Jaguar") + vehicleSection());
  const std::string noHeavy = tablesWith({}, noHeavyVehicles);
  const std::string noVehicles = tablesWith({}, "");
  const std::string shifted = "Test tables!" + soundTables().substr(11);
  std::string noFinalLineFeed = soundTables();
  noFinalLineFeed.pop_back();

  const std::pair<std::string, Messages> cases[] = {
      {tablesWith({{"Marik", threeTables}}),
       {"T, line 100: faction \"Marik\" has no \"Assault\" table of its own; its search would "
        "take the one at line 174"}                                                       },
      {tablesWith({{"Kurita", shortMedium}}),
       {"T, line 15: table \"Medium\" of \"Kurita\" has 10 entries, 11 expected; the weight word "
        "\"Heavy\" stands at line 26, among its entries"}                                 },
      {tablesWith({{"Kurita", strayWolf}}),
       {"T, line 6: \"Wolf\" stands among a table's entries before its heading at line 345; the "
        "faction search stops at the first line of that name",
        "T, line 6: faction \"Wolf\" has no \"Light\" table of its own; its search would take "
        "the one at line 52"}                                                             },
      {noWolf,
       {"T, line " + lastLine(noWolf) +
        ": the file ends without the heading \"Wolf\"; the search for that faction runs to the "
        "end of the file"}                                                                },
      {shortLast,
       {"T, line " + std::to_string(std::stoi(lineOf(shortLast, "Veh Assault 1")) - 1) +
        ": vehicle table \"Assault\" has 9 entries, 11 expected; the file ends at line " +
        lastLine(shortLast)}                                                              },
      {noHeavy,
       {"T, line " + lineOf(noHeavy, "Vehicles") +
        ": no \"Heavy\" vehicle table follows byte 7038; the search for one runs to the end of "
        "the file"}                                                                       },
      {noVehicles,
       {"T, line " + lastLine(noVehicles) +
        ": the file ends at byte 7038, before the vehicle section at byte 7038"}          },
      {shifted,
       {"T, line " + std::to_string(std::stoi(lineOf(shifted, "Vehicles")) - 1) +
        ": byte 7038, where the vehicle section must begin, falls inside this line (bytes " +
        std::to_string(shifted.rfind('\n', 7037) + 1) + " to 7038); it must start a line"}},
      {noFinalLineFeed,
       {"T, line " + lastLine(soundTables()) +
        ": the last line has no line feed; the search that reads it fails at the end of the "
        "file"}                                                                           },
      {"",
       {"T, line 1: the file is empty; it must hold the 10 faction sections and the vehicle "
        "section at byte 7038"}                                                           },
  };
  for (const auto& [bytes, expected] : cases) EXPECT_EQ(checkTableBytes(bytes, "T"), expected);

  const std::string jaguar = lineOf(vehiclesLate, "Smoke Jaguar");
  const Messages late = checkTableBytes(vehiclesLate, "T");
  ASSERT_EQ(late.size(), 4u);
  EXPECT_EQ(late[0], "T, line " + std::to_string(std::stoi(jaguar) + 1) +
                         ": the \"Light\" table found from byte 7038 lies in the section of "
                         "\"Smoke Jaguar\" (line " +
                         jaguar + "), not in the vehicle section");

  const std::string crLf = withCrLf(soundTables());
  const Messages crLfProblems = checkTableBytes(crLf, "T");
  ASSERT_FALSE(crLfProblems.empty());
  EXPECT_EQ(crLfProblems[0], "T, line 1: the line ends in CR LF (" + lastLine(crLf) +
                                 " such lines in all); a heading matches only with a bare line "
                                 "feed");
}

TEST(TableCheck, EndsOnAnyBytesWithMessagesInLineOrder) {
  const std::string pieces[] = {
      "\n", std::string(1, '\0'), "\r", "Light", "Assault", "Wolf", "Kurita", "Smoke Jaguar",
      "x",  std::string(70, '-')};
  std::mt19937 engine(2024);
  for (int run = 0; run < 300; ++run) {
    std::string bytes;
    const std::size_t length = engine() % 12000;
    while (bytes.size() < length) bytes += pieces[engine() % std::size(pieces)];
    long previous = 0;
    for (const std::string& message : checkTableBytes(bytes, "T")) {
      ASSERT_EQ(message.rfind("T, line ", 0), 0u) << message;
      const long line = std::stol(message.substr(8));
      EXPECT_LE(previous, line) << message;
      previous = line;
    }
  }
  const std::string noLineFeed = "x\n" + std::string(8 << 20, 'x');
  EXPECT_EQ(checkTableBytes(noLineFeed, "T").size(), 16u);
  std::string headings;
  while (headings.size() < (8u << 20)) headings += "Light\n";
  EXPECT_EQ(checkTableBytes(headings, "T").size(), 14u);
}

TEST(TableCheck, AFileThatCannotBeReadIsATableError) {
  const ScratchFolder folder;
  EXPECT_THROW(checkTableFile(folder.path() / "absent.dat"), TableError);
  EXPECT_THROW(checkTableFile(folder.path()), TableError);
}

}  // namespace
