// SPDX-License-Identifier: MIT
// The command line's parser on its own: each command line that cannot be run is refused with a
// message naming the option and the bad word.
#include "cli/options.h"

#include <gtest/gtest.h>

#include "support/band_texts.h"

namespace {

TEST(CliOptions, RefusesWhatCannotBeRunNamingTheOptionAndTheWord) {
  const struct {
    std::vector<std::string> args;
    const char* named;
  } cases[] = {
      {{"--faction", "Atlantis"},               "\"Atlantis\" is none of Kurita, Liao"},
      {{"--size=Platoon"},                      "\"Platoon\" is none of Lance"        },
      {{"--format", "xml"},                     "\"xml\" is none of text, csv, json"  },
      {{"--seed", "7x"},                        "\"7x\" is not one"                   },
      {{"--seed", "-1"},                        "\"-1\" is not one"                   },
      {{"--reroll", "2..3"},                    "\"2..3\" is no re-roll"              },
      {{"--reroll", "4-2"},                     "a range runs upward"                 },
      {{"--out", "-"},                          "\"-\" is refused"                    },
      {{"--odds", "--seed", "1"},               "--seed"                              },
      {{"--check-tables", "--faction", "Wolf"}, "--faction"                           },
      {{"--fit-tables"},                        "--fit-tables"                        },
      {{"--bogus"},                             "--bogus"                             },
      {{"--faction", "Atlantis", "--help"},     "\"Atlantis\""                        },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.front());
    try {
      parseArguments(c.args);
      ADD_FAILURE() << "accepted";
    } catch (const UsageError& error) {
      EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
    }
  }
}

TEST(CliOptions, ReadsWordsInAnyCaseAliasesAndTheLastOfAnOption) {
  const CliOptions options =
      parseArguments({"--faction", "ghost bear", "--size", "regiment", "--weight=HEAVY", "--seed",
                      " 42 ", "--seed", "7", "--reroll", "1-3,2.1"});
  EXPECT_EQ(options.choices.house, "Ghost Bear");
  EXPECT_EQ(options.choices.size, "Regement");
  EXPECT_EQ(options.choices.weight, "Heavy");
  EXPECT_EQ(options.choices.experience, "Random");
  EXPECT_EQ(options.seed, 7u);
  EXPECT_EQ(options.rerolls, (std::vector<RerollItem>{
                                 {{1, 0}, 3},
                                 {{2, 1}, 0}
  }));
  EXPECT_EQ(parseArguments({"--help", "--seed", "1"}).mode, Mode::help);
}

// --points and --tons take what the engine's readBand takes, and refuse the rest in its words.
TEST(CliOptions, ABandIsReadAsTheEngineReadsIt) {
  for (const auto& [text, tons] : kBandTexts) {
    try {
      const BudgetBand read = parseArguments({tons ? "--tons" : "--points", text}).budget;
      EXPECT_EQ(tons ? read.tonsHundredths : read.points, readBand(text, tons)) << text;
    } catch (const UsageError& error) {
      try {
        static_cast<void>(readBand(text, tons));
        ADD_FAILURE() << text << ": " << error.what();
      } catch (const BandError& refused) {
        EXPECT_NE(std::string(error.what()).find(refused.what()), std::string::npos) << text;
      }
    }
  }
}

}  // namespace
