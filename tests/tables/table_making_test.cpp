// SPDX-License-Identifier: MIT
// Making a table file from a design list: what the list covers is laid out, every other table
// stays byte for byte, the result passes the checker and draws only listed designs; names the
// searches would misread and faction tables past the vehicle byte are refused.
#include "tables/table_making.h"

#include <gtest/gtest.h>

#include <set>

#include "generator/generate.h"
#include "support/file_bytes.h"
#include "support/table_files.h"
#include "tables/table_check.h"

namespace {

const std::string kShipped = bytesOf(SHIPPED_TABLES);

ListedDesign davion(const std::string& name, int weight, std::int64_t rarity) {
  ListedDesign design{name, weight, DesignKind::mech, {}, rarity, 0};
  design.factions.set(3);
  return design;
}

// Fourteen Davion designs of every weight and rarity, and three vehicles.
std::vector<ListedDesign> davionList() {
  std::vector<ListedDesign> list = {
      davion("Pike Runner", 0, 800),
      davion("Lancer Wisp", 0, 400),
      davion("Vigil Scout", 0, 200),
      davion("Sunward Hound", 0, 100),
      davion("Brass Warden", 1, 800),
      davion("Ember Marshal", 1, 800),
      davion("Gilded Fox", 1, 250),
      davion("Rampart", 2, 800),
      davion("Solar Knight", 2, 400),
      davion("Baron Steel", 2, 200),
      davion("Crown Bastion", 3, 800),
      davion("Lionheart", 3, 400),
      davion("Sovereign", 3, 100),
      davion("Gatewarden Mk II", 3, 100),
      {"Ridge Carrier", 0, DesignKind::vehicle, {}, 800, 0},
      {"Hillfort Tank", 2, DesignKind::vehicle, {}, 400, 0},
      {"Mire Strider",  2, DesignKind::vehicle, {}, 800, 0},
  };
  for (std::size_t k = 0; k < list.size(); ++k) list[k].line = k + 2;
  return list;
}

TEST(TableMaking, OnlyTheListedTablesChangeAndADavionForceDrawsOnlyListedDesigns) {
  const std::vector<ListedDesign> list = davionList();
  const TableMaking made = makeTableFile(kShipped, "Tables.dat", list, "mine.csv");
  ASSERT_EQ(made.problems, std::vector<std::string>{});
  EXPECT_EQ(checkTableBytes(made.bytes, "T"), std::vector<std::string>{});
  EXPECT_EQ(made.bytesUsed + made.bytesLeft, static_cast<std::size_t>(vehicleStart));
  ASSERT_EQ(made.tables.size(), 6u);

  // Before Davion, from Steiner to the filler, and the untouched vehicle tables: as the base.
  const auto same = [&](const std::string& from, const std::string& to) {
    const std::size_t a = kShipped.find(from), b = kShipped.find(to, a);
    const std::size_t c = made.bytes.find(from), d = made.bytes.find(to, c);
    EXPECT_EQ(made.bytes.substr(c, d - c), kShipped.substr(a, b - a)) << from;
  };
  same("Musterwright", "\nDavion\n");
  same("\nSteiner\n", "\n---");
  same("\nVehicles\nLight\n", "\nLight\n");
  same("\nMedium\nHalberd", "\nHeavy\n");
  same("\nAssault\nMonolith", "Bastion Max\n");

  std::set<std::string> listed;
  for (const ListedDesign& design : list) listed.insert(design.name);
  const TableText tables{made.bytes, "made"};
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    const Force force = generateForce(tables, {"Davion", "Company", "Random", "Random"}, seed);
    for (int k = 0; k < force.roster.length(); ++k)
      EXPECT_TRUE(listed.count(force.roster[k].name.c_str())) << force.roster[k].name.c_str();
  }
}

TEST(TableMaking, MisreadNamesAndFactionTablesPastTheVehicleByteAreRefused) {
  // One design on every faction's table of each weight, its name `length` bytes long: the
  // faction tables of soundTables() then take these bytes.
  const auto used = [](std::size_t length) {
    std::size_t bytes = std::string("Test tables\n").size();
    for (const char* faction : kFactionHeadings) bytes += std::string(faction).size() + 1;
    for (const char* weight : kWeightHeadings)
      bytes += kFactionHeadings.size() * (std::string(weight).size() + 1 + 11 * (length + 1));
    return bytes;
  };
  const auto everywhere = [](std::size_t length) {
    std::vector<ListedDesign> list;
    for (int weight = 0; weight < 4; ++weight) {
      list.push_back({std::string(length, static_cast<char>('a' + weight)),
                      weight,
                      DesignKind::mech,
                      {},
                      800,
                      static_cast<std::size_t>(weight + 2)});
      list.back().factions.set();
    }
    return list;
  };
  const std::string base = soundTables();
  const auto limit = static_cast<std::size_t>(vehicleStart);
  const TableMaking fits = makeTableFile(base, "T", everywhere(14), "L");
  ASSERT_EQ(fits.problems, std::vector<std::string>{});
  EXPECT_EQ(fits.bytesLeft, limit - used(14));
  EXPECT_EQ(checkTableBytes(fits.bytes, "T"), std::vector<std::string>{});

  struct Case {
    std::vector<ListedDesign> list;
    std::string message;
  };
  const Case cases[] = {
      {everywhere(15),                 std::to_string(used(15) - limit) + " bytes must go"  },
      {{davion("Davion", 0, 800)},     "L, line 0: the name \"Davion\" is a faction heading"},
      {{davion("Medium", 0, 800)},     "is a weight heading"                                },
      {{davion("Two\nlines", 0, 800)}, "holds a line break"                                 },
      {{davion("Ends\r", 0, 800)},     "holds a line break"                                 },
  };
  for (const Case& c : cases) {
    const TableMaking refused = makeTableFile(base, "T", c.list, "L");
    ASSERT_EQ(refused.problems.size(), 1u) << c.message;
    EXPECT_NE(refused.problems[0].find(c.message), std::string::npos) << refused.problems[0];
    EXPECT_EQ(refused.bytes, "");
  }
}

}  // namespace
