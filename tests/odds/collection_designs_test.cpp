// SPDX-License-Identifier: MIT
// The collection's design list on quirky table files: the tables Generate reaches, no more and
// no fewer, while the odds keep refusing a file whose searches run off its end.
#include "odds/collection_designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "odds/force_odds.h"
#include "support/table_files.h"
#include "tables/table_error.h"

namespace {

// The tables that list `name`, or none when the list lacks it.
std::vector<std::string> tablesOf(const std::vector<CollectionDesign>& designs,
                                  const std::string& name) {
  const auto found = std::find_if(designs.begin(), designs.end(),
                                  [&](const CollectionDesign& d) { return d.name == name; });
  return found == designs.end() ? std::vector<std::string>{} : found->tables;
}

TEST(CollectionDesigns, AQuirkyFileListsWhatGenerateReachesAndTheOddsStillRefuseIt) {
  const std::string sound = soundTables();
  const std::size_t kuritaHeavy = sound.find("Heavy\n");
  const std::string noKuritaHeavy = sound.substr(0, kuritaHeavy) + sound.substr(kuritaHeavy + 6);
  const std::string cutShort = sound.substr(0, sound.find("Smo Assault 5\n"));
  using Tables = std::vector<std::string>;
  struct Case {
    const char* file;
    std::string bytes;
    const char* design;
    Tables tables;
  } cases[] = {
      {"no Kurita Heavy", noKuritaHeavy, "Lia Heavy 1",   Tables{"Kurita Heavy", "Liao Heavy"}},
      {"no Kurita Heavy", noKuritaHeavy, "Kur Heavy 1",   Tables{}                            },
      {"cut short",       cutShort,      "Kur Light 1",   Tables{"Kurita Light"}              },
      {"cut short",       cutShort,      "Smo Heavy 11",  Tables{"Smoke Jaguar Heavy"}        },
      {"cut short",       cutShort,      "Smo Assault 1", Tables{}                            },
      {"cut short",       cutShort,      "Veh Light 1",   Tables{}                            },
  };
  for (const Case& c : cases)
    EXPECT_EQ(tablesOf(collectionDesigns(c.bytes, "Tables.dat"), c.design), c.tables)
        << c.file << ": " << c.design;

  const TableText cut{cutShort, "Tables.dat"};
  EXPECT_EQ(generateForce(cut, {"Kurita", "Company", "Random", "Regular"}, 5).roster.length(), 12);
  EXPECT_THROW(computeOdds({"Random", "Random", "Random", "Random", true}, cutShort, "Tables.dat"),
               TableError);
}

}  // namespace
