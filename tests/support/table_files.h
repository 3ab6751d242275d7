// SPDX-License-Identifier: MIT
// Table files for tests: a well-formed file built from parts, written to a scratch folder
// and opened as the table file. Entry k (1..11) of a faction table is named
// "<first three letters of the faction> <weight> <k>", of a vehicle table "Veh <weight> <k>".
#ifndef MUSTERWRIGHT_TESTS_TABLE_FILES_H
#define MUSTERWRIGHT_TESTS_TABLE_FILES_H

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "generator/generate.h"
#include "support/file_bytes.h"
#include "tables/table_layout.h"

// The faction and weight headings.
inline const std::vector<std::string> kFactions(kFactionHeadings.begin(), kFactionHeadings.end());
inline const std::vector<std::string> kWeightWords(kWeightHeadings.begin(), kWeightHeadings.end());

// A weight table: the heading and `entries` lines "<prefix> <weight> <k>".
inline std::string weightTable(const std::string& prefix, const std::string& weightWord,
                               int entries = 11) {
  std::string text = weightWord + "\n";
  for (int k = 1; k <= entries; ++k)
    text += prefix + " " + weightWord + " " + std::to_string(k) + "\n";
  return text;
}

// A faction heading followed by its four tables.
inline std::string factionSection(const std::string& faction) {
  std::string text = faction + "\n";
  for (const std::string& w : kWeightWords) text += weightTable(faction.substr(0, 3), w);
  return text;
}

// Pads `text` with filler lines so that it ends exactly at the vehicle section's offset.
inline std::string padToVehicles(std::string text) {
  const auto target = static_cast<std::size_t>(vehicleStart);
  while (text.size() < target) {
    const std::size_t room = target - text.size();
    text += std::string(std::min<std::size_t>(room, 60) - 1, '-') + "\n";
  }
  return text;
}

inline std::string vehicleSection() {
  std::string text = "Vehicles\n";
  for (const std::string& w : kWeightWords) text += weightTable("Veh", w);
  return text;
}

// Every faction, padding, and the vehicle section: a sound file.
inline std::string soundTables() {
  std::string text = "Test tables\n";
  for (const std::string& f : kFactions) text += factionSection(f);
  return padToVehicles(text) + vehicleSection();
}

// soundTables() as the text of a table file named "Tables.dat".
inline TableText soundTableText() {
  return TableText{soundTables(), "Tables.dat"};
}

// A scratch folder for one test, new and empty (never one a killed test left behind), mode 755
// so that a test run as another user reaches it, removed with its contents at the end.
class ScratchFolder {
 public:
  ScratchFolder() : path_(newFolder("musterwright-test")) {}
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` to `name` in the folder and returns its path.
  std::filesystem::path write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

 private:
  std::filesystem::path path_;
};

#endif
