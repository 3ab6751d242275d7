// SPDX-License-Identifier: MIT
// The force as CSV and JSON where design names hold what the formats must escape.
#include "roster/force_data.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "generator/force.h"

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
            "group,slot,design,weight_class,kind,piloting,gunnery\r\n"
            "1,1,\"Comma, Mk 2\",Medium,mech,1,7\r\n"
            "1,2,\"The \"\"Hound\"\"\",Medium,mech,2,7\r\n"
            "1,3, Spaced ,Medium,mech,3,7\r\n"
            "1,4,Bad \xff byte,Medium,vehicle,4,7\r\n");
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

}  // namespace
