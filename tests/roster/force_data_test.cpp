// SPDX-License-Identifier: MIT
// The force as CSV and JSON where design names hold what the formats must escape.
#include "roster/force_data.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <tuple>

#include "generator/force.h"
#include "roster/force_totals.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

namespace {

Force force;
apstring &house = force.house, &size = force.size, &weight = force.weight,
         &experience = force.experience;
bool &isClan = force.isClan, &withVehicles = force.withVehicles;
apvector<Mech>& roster = force.roster;

// A House lance of the given designs, the last one a vehicle.
void setLance(const std::vector<const char*>& designs) {
  house = "Marik";
  size = "Lance";
  weight = "Medium";
  experience = "Green";
  isClan = false;
  withVehicles = true;
  roster.resize(4);
  force.groupWeights = {"Medium"};
  for (int k = 0; k < 4; ++k) {
    roster[k].name = designs[k];
    roster[k].weightClass = "Medium";
    roster[k].kind = k == 3 ? SlotKind::vehicle : SlotKind::mech;
    roster[k].piloting = static_cast<char>('1' + k);
    roster[k].gunnery = '7';
  }
}

TEST(ForceData, CsvQuotesWhatItMustAndJsonKeepsEveryNameBytesThatAreNoUtf8Replaced) {
  setLance({"Comma, Mk 2", "The \"Hound\"", " Spaced ", "Bad \xff byte"});
  EXPECT_EQ(forceCsv(force),
            "group,slot,design,weight_class,kind,piloting,gunnery,tons,points\r\n"
            "1,1,\"Comma, Mk 2\",Medium,mech,1,7,,\r\n"
            "1,2,\"The \"\"Hound\"\"\",Medium,mech,2,7,,\r\n"
            "1,3, Spaced ,Medium,mech,3,7,,\r\n"
            "1,4,Bad \xff byte,Medium,vehicle,4,7,,\r\n");
  force.seed = 4294967295u;
  const nlohmann::json data = nlohmann::json::parse(forceJson(force));
  EXPECT_EQ(data["seed"], 4294967295u);
  EXPECT_EQ(data["groups"][0]["weight_class"], "Medium");
  const nlohmann::json& slots = data["groups"][0]["slots"];
  EXPECT_EQ(slots[0]["design"], "Comma, Mk 2");
  EXPECT_EQ(slots[1]["design"], "The \"Hound\"");
  EXPECT_EQ(slots[3]["design"], "Bad \xef\xbf\xbd byte");
  EXPECT_EQ(slots[3]["kind"], "vehicle");
}

TEST(ForceData, EachSlotGroupAndTheForceCarryTheListsNumbers) {
  setLance({"Alpha", "beta", "Gamma", "Unlisted"});
  force.roster[2].kind = SlotKind::open;
  force.roster[2].name = "";
  const DesignListRead list =
      readDesignList("design,tons,points\nAlpha,37.5,1200\nBeta,40,\nGamma,50,900\n", "d.csv", "d",
                     {}, UnknownNames::quiet);
  EXPECT_EQ(forceCsv(force, &list.list).substr(66),
            "1,1,Alpha,Medium,mech,1,7,37.5,1200\r\n1,2,beta,Medium,mech,2,7,40,\r\n"
            "1,3,,Medium,open,,,,\r\n1,4,Unlisted,Medium,vehicle,4,7,,\r\n");
  const nlohmann::json data = nlohmann::json::parse(forceJson(force, &list.list));
  const nlohmann::json totals = {
      {"tons",                 77.5   },
      {"points",               1200   },
      {"skill_points",         nullptr},
      {"without_tons",         1      },
      {"without_points",       2      },
      {"without_skill_points", nullptr},
      {"open",                 1      }
  };
  EXPECT_EQ(data["totals"], totals);
  EXPECT_EQ(data["groups"][0]["totals"], totals);
  EXPECT_EQ(data["groups"][0]["slots"][1]["points"], nullptr);
  EXPECT_EQ(data["designs"]["identity"], list.list.identity);
  EXPECT_EQ(nlohmann::json::parse(forceJson(force))["designs"], nullptr);
  EXPECT_EQ(data["skills"], nullptr);
  EXPECT_EQ(data["groups"][0]["slots"][0]["skill_points"], nullptr);
}

// Alpha's crew is worth its points, Beta's 130 % (1,176.5 rounds up), Delta's crew is not in
// the table and the third slot is open.
TEST(ForceData, PointsWithCrewSkillAgainstHandWorkedNumbers) {
  setLance({"Alpha", "Beta", "", "Delta"});
  force.roster[2].kind = SlotKind::open;
  const std::pair<char, char> crews[] = {
      {'5', '4'},
      {'4', '3'},
      {'-', '-'},
      {'7', '7'}
  };
  for (int k = 0; k < 4; ++k) std::tie(roster[k].piloting, roster[k].gunnery) = crews[k];
  const DesignList list = readDesignList(
                              "design,tons,points\nAlpha,35,1200\nBeta,40,905\n"
                              "Delta,30,300\n",
                              "d.csv", "d", {}, UnknownNames::quiet)
                              .list;
  const SkillTable skills =
      readSkillTable("piloting,gunnery,percent\n5,4,100\n4,3,130\n", "s.csv", "s", {}).table;
  const ForceTotals totals = forceTotals(force, &list, &skills);
  EXPECT_EQ(totals.slots[1].skillPoints, 1177);
  EXPECT_EQ(totalsLine(totals.force),
            "Total: 105 tons, 2,405 points (2,377 with crew skill), 1 slot without crew skill, "
            "1 open slot");
  EXPECT_EQ(totalsLine(forceTotals(force, &list).force),
            "Total: 105 tons, 2,405 points, 1 open slot");
  EXPECT_EQ(totalsWords(totals.force),
            "105 tons \u00b7 2,405 points \u00b7 2,377 with crew \u00b7 1 without crew skill "
            "\u00b7 1 open");
  EXPECT_EQ(forceCsv(force, &list, &skills),
            "group,slot,design,weight_class,kind,piloting,gunnery,tons,points,skill_points\r\n"
            "1,1,Alpha,Medium,mech,5,4,35,1200,1200\r\n1,2,Beta,Medium,mech,4,3,40,905,1177\r\n"
            "1,3,,Medium,open,,,,,\r\n1,4,Delta,Medium,vehicle,7,7,30,300,\r\n");
  const nlohmann::json data = nlohmann::json::parse(forceJson(force, &list, &skills));
  EXPECT_EQ(data["totals"]["skill_points"], 2377);
  EXPECT_EQ(data["totals"]["without_skill_points"], 1);
  EXPECT_EQ(data["groups"][0]["totals"]["skill_points"], 2377);
  EXPECT_EQ(data["groups"][0]["slots"][3]["skill_points"], nullptr);
  EXPECT_EQ(data["skills"]["identity"], skills.identity);
}

}  // namespace
