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

}  // namespace
