// SPDX-License-Identifier: MIT
// Bands as a player writes them: a limit is 95 % of it (rounded down) to it, tons keep their
// hundredths exactly, and every other text is refused.
#include <gtest/gtest.h>

#include "generator/budget_band.h"

namespace {

TEST(BudgetBand, LimitsRangesHundredthsAndRefusals) {
  struct Case {
    const char* text;
    bool tons;
    NumberRange band;
  };
  const Case read[] = {
      {"6000",       false, {5700, 6000}  },
      {"5700-6000",  false, {5700, 6000}  },
      {"0",          false, {0, 0}        },
      {"999",        false, {949, 999}    },
      {"400",        true,  {38000, 40000}},
      {"400.5",      true,  {38047, 40050}},
      {"380-400.25", true,  {38000, 40025}},
      {"12.3-12.3",  true,  {1230, 1230}  },
  };
  for (const Case& c : read) EXPECT_EQ(readBand(c.text, c.tons), c.band) << c.text;
  const std::pair<const char*, bool> refused[] = {
      {"",           false},
      {"-5",         false},
      {"6000-5700",  false},
      {"6k",         false},
      {"60.5",       false},
      {"5700 -6000", false},
      {"5700-",      false},
      {"400.125",    true },
      {"400.",       true },
      {".5",         true },
      {"1e3",        true },
      {"999999999",  false},
  };
  for (const auto& [text, tons] : refused) EXPECT_THROW(readBand(text, tons), BandError) << text;
}

// A band as the programs print it, or typed with blanks around it, reads back; another unit's
// word, or digits grouped otherwise than in threes, is refused.
// clang-format off
TEST(BudgetBand, PrintedBandsReadBack) {
  const struct { const char* text; bool tons; NumberRange band; } read[] = {
      {" \t5700-6000\r\n", false, {5700, 6000}}, {"5,700\u20136,000 points", false, {5700, 6000}},
      {"12,345,678POINTS", false, {11728394, 12345678}}, {"380\u2013400.5 tons", true, {38000, 40050}},
      {"1,000.25 Tons", true, {95023, 100025}}};
  for (const auto& c : read) EXPECT_EQ(readBand(c.text, c.tons), c.band) << c.text;
  for (const auto& [text, tons] : {std::pair{"5,70", false}, {",700", false}, {"5,,700", false},
           {"5700\u2014" "6000", false}, {"6000 tons", false}, {"400 points", true},
           {"6000 points points", false}, {" ", false}})
    EXPECT_THROW(readBand(text, tons), BandError) << text;
}
// clang-format on

}  // namespace
