// SPDX-License-Identifier: MIT
// The odds in their three formats: exact fractions beside decimals, CSV quoting and line ends,
// JSON that parses with the fields its readers rely on, text grouped by table.
#include "roster/odds_data.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace {

OddsReport sampleReport() {
  OddsReport report;
  report.choices = {"Kurita", "Lance", "Random", "Green", true};
  report.parts.push_back({
      OddsPartKind::tables,
      {{"Kurita", "Light", 3, "Hawk, Mk 2", Fraction(1, 18), std::nullopt},
                {"Kurita", "Light", 3, "Wasp", Fraction(17, 18), std::nullopt}}
  });
  report.parts.push_back(
      {OddsPartKind::designs, {{"vehicle", "Light", 0, "Wasp", Fraction(1, 3), Fraction(4, 3)}}});
  return report;
}

TEST(OddsData, CsvHasOneQuotedRowPerFigureEndedByCrLf) {
  EXPECT_EQ(oddsCsv(sampleReport()),
            "part,source,weight_class,line,item,chance,percent,expected,expected_value\r\n"
            "tables,Kurita,Light,3,\"Hawk, Mk 2\",1/18,5.5556,,\r\n"
            "tables,Kurita,Light,3,Wasp,17/18,94.4444,,\r\n"
            "designs,vehicle,Light,,Wasp,1/3,33.3333,4/3,1.3333\r\n");
}

TEST(OddsData, JsonCarriesChoicesAndExactFractions) {
  const auto odds = nlohmann::json::parse(oddsJson(sampleReport()));
  EXPECT_EQ(odds["faction"], "Kurita");
  EXPECT_EQ(odds["vehicles"], true);
  ASSERT_EQ(odds["parts"].size(), 2U);
  EXPECT_EQ(odds["parts"][0]["part"], "tables");
  EXPECT_EQ(odds["parts"][0]["rows"][0]["chance"], "1/18");
  EXPECT_EQ(odds["parts"][0]["rows"][0]["line"], 3);
  EXPECT_FALSE(odds["parts"][0]["rows"][0].contains("expected"));
  EXPECT_EQ(odds["parts"][1]["rows"][0]["expected"], "4/3");
  EXPECT_DOUBLE_EQ(odds["parts"][1]["rows"][0]["percent"].get<double>(), 100.0 / 3);
}

TEST(OddsData, TextNamesEachTableAboveItsDesigns) {
  const std::string text = oddsText(sampleReport());
  EXPECT_NE(text.find("faction Kurita, size Lance, weight Random, experience Green, vehicles "
                      "allowed"),
            std::string::npos);
  EXPECT_NE(text.find("\n  Kurita Light (heading on line 3)\n    Hawk, Mk 2   1/18     5.56%\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Wasp (vehicle, Light)  1/3    33.33%  4/3 (1.33)\n"), std::string::npos)
      << text;
}

TEST(OddsData, ExpectedTonsAndPointsAreExactOverTheDesignsThatHaveThem) {
  OddsReport report = sampleReport();
  const DesignListRead list =
      readDesignList("design,tons,points\n\"Hawk, Mk 2\",20,500\nWasp,20.5,\n", "d.csv", "d", {},
                     UnknownNames::quiet);
  report.numbers = expectedNumbers(report, list.list);
  const std::string text = oddsText(report);
  EXPECT_NE(text.find("  The force       82/3 (27.33) tons    0 (0.00) points; 1 design without "
                      "points\n  One draw from each table:\n    Kurita Light  737/36 (20.47) tons  "
                      "250/9 (27.78) points; 1 design without points\n"),
            std::string::npos)
      << text;
  EXPECT_NE(oddsCsv(report).find("tons_points,Kurita,Light,3,tons,,,737/36,20.4722\r\n"),
            std::string::npos);
  const auto odds = nlohmann::json::parse(oddsJson(report));
  EXPECT_EQ(odds["tons_points"]["force"]["tons"], "82/3");
  EXPECT_EQ(odds["tons_points"]["tables"][0]["without_points"], 1);
}

}  // namespace
