// The force as CSV and JSON where design names hold what the formats must escape.
#include "roster/force_data.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "generator/generate.h"

namespace {

// A House lance of the given designs, the last one a vehicle.
void setLance(const std::vector<const char*>& designs) {
  house = "Marik";
  size = "Lance";
  weight = "Medium";
  experience = "Green";
  isClan = false;
  withVehicles = true;
  roster.resize(4);
  for (int k = 0; k < 4; ++k) {
    roster[k].name = designs[k];
    roster[k].weightClass = "Medium";
    roster[k].kind = k == 3 ? SlotKind::vehicle : SlotKind::mech;
    roster[k].piloting = static_cast<char>('1' + k);
    roster[k].gunnery = '7';
  }
}

TEST(ForceData, CsvQuotesOnlyTheFieldsThatNeedIt) {
  setLance({"Plain", "Comma, Mk 2", "The \"Hound\"", " Spaced "});
  EXPECT_EQ(forceCsv(),
            "group,slot,design,weight_class,kind,piloting,gunnery\r\n"
            "1,1,Plain,Medium,mech,1,7\r\n"
            "1,2,\"Comma, Mk 2\",Medium,mech,2,7\r\n"
            "1,3,\"The \"\"Hound\"\"\",Medium,mech,3,7\r\n"
            "1,4, Spaced ,Medium,vehicle,4,7\r\n");
}

TEST(ForceData, JsonKeepsEveryNameAndReplacesBytesThatAreNoUtf8) {
  setLance({"Comma, \"Mk 2\"", "Back\\slash", "Caf\xc3\xa9", "Bad \xff byte"});
  const nlohmann::json force = nlohmann::json::parse(forceJson(4294967295u));
  EXPECT_EQ(force["seed"], 4294967295u);
  EXPECT_EQ(force["vehicles"], true);
  EXPECT_EQ(force["clan"], false);
  const nlohmann::json& slots = force["groups"][0]["slots"];
  ASSERT_EQ(force["groups"].size(), 1u);
  EXPECT_EQ(slots[0]["design"], "Comma, \"Mk 2\"");
  EXPECT_EQ(slots[1]["design"], "Back\\slash");
  EXPECT_EQ(slots[2]["design"], "Caf\xc3\xa9");
  EXPECT_EQ(slots[3]["design"], "Bad \xef\xbf\xbd byte");
  EXPECT_EQ(slots[3]["kind"], "vehicle");
  EXPECT_EQ(slots[3]["piloting"], 4);
}

}  // namespace
