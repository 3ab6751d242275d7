// SPDX-License-Identifier: MIT
// The shipped Tables.dat: its layout, and a force for every choice the window offers.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "generator/choice_lists.h"
#include "generator/generate.h"
#include "support/file_bytes.h"
#include "support/table_files.h"

namespace {

std::string shippedBytes() {
  return bytesOf(SHIPPED_TABLES);
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool isHeadingWord(const std::string& line) {
  for (const auto* words : {&kFactions, &kWeightWords}) {
    for (const std::string& word : *words) {
      if (line == word) return true;
    }
  }
  return false;
}

// Checks the four tables that follow `lines[from]` (a section's first line) in order.
void expectFourTables(const std::vector<std::string>& lines, std::size_t from,
                      const std::string& where) {
  std::size_t at = from;
  for (const std::string& weightWord : kWeightWords) {
    while (at < lines.size() && lines[at] != weightWord) {
      EXPECT_FALSE(isHeadingWord(lines[at])) << where << ": stray heading " << lines[at];
      ++at;
    }
    ASSERT_LT(at, lines.size()) << where << " has no " << weightWord << " table";
    for (int k = 1; k <= 11; ++k) {
      ASSERT_LT(at + k, lines.size()) << where << " " << weightWord << " is cut short";
      EXPECT_FALSE(isHeadingWord(lines[at + k])) << where << " " << weightWord << " entry " << k;
      EXPECT_FALSE(lines[at + k].empty()) << where << " " << weightWord << " entry " << k;
    }
    at += 12;
  }
}

TEST(ShippedTables, EveryFactionHasFourTablesOfElevenAndVehiclesStartAtTheirOffset) {
  const std::string bytes = shippedBytes();
  ASSERT_GT(bytes.size(), static_cast<std::size_t>(vehicleStart));
  EXPECT_EQ(bytes.find('\r'), std::string::npos) << "line feed line ends only";
  EXPECT_EQ(bytes.back(), '\n') << "a final line feed";
  EXPECT_EQ(bytes[vehicleStart - 1], '\n') << "the vehicle section starts a line";

  const std::string factionPart = bytes.substr(0, vehicleStart);
  const std::vector<std::string> lines = linesOf(factionPart);
  for (const std::string& faction : kFactions) {
    const auto heading = std::find(lines.begin(), lines.end(), faction);
    ASSERT_NE(heading, lines.end()) << faction << " has no heading before the vehicles";
    expectFourTables(lines, heading - lines.begin() + 1, faction);
  }
  expectFourTables(linesOf(bytes.substr(vehicleStart)), 0, "the vehicle section");
}

TEST(ShippedTables, EveryChoiceOfTheWindowGeneratesAForce) {
  const TableText tables = readTableText(SHIPPED_TABLES);
  std::uint32_t seed = 1;
  int slots = 0;
  for (const char* faction : kFactionChoices) {
    for (const char* size : kSizeChoices) {
      for (const char* weight : kWeightChoices) {
        for (const char* level : kExperienceChoices) {
          for (const bool vehicles : {false, true}) {
            const Force force =
                generateForce(tables, Selection{faction, size, weight, level, vehicles}, seed++);
            for (int k = 0; k < force.roster.length(); ++k) {
              ASSERT_GT(force.roster[k].name.length(), 0);
              ASSERT_TRUE(force.roster[k].piloting >= '1' && force.roster[k].piloting <= '7');
              ASSERT_TRUE(force.roster[k].gunnery >= '1' && force.roster[k].gunnery <= '7');
            }
            slots += force.roster.length();
          }
        }
      }
    }
  }
  EXPECT_GT(slots, 100000);
}

}  // namespace
