// SPDX-License-Identifier: MIT
// What a player types or a link carries: choice words in any letter case and their aliases, and
// seeds with white space around them.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "generator/choice_words.h"
#include "generator/seed_text.h"

namespace {

TEST(ChoiceWord, MatchesWithoutLetterCaseAndTakesTheAliases) {
  struct Case {
    ChoiceList list;
    const char* typed;
    std::optional<std::string> word;
  };
  const Case cases[] = {
      {ChoiceList::faction,    "davion",      "Davion"     },
      {ChoiceList::faction,    "JADE FALCON", "Jade Falcon"},
      {ChoiceList::faction,    "random",      "Random"     },
      {ChoiceList::faction,    "jadefalcon",  std::nullopt },
      {ChoiceList::faction,    "Davion ",     std::nullopt },
      {ChoiceList::faction,    "",            std::nullopt },
      {ChoiceList::size,       "battalion",   "Batallion"  },
      {ChoiceList::size,       "BATALLION",   "Batallion"  },
      {ChoiceList::size,       "Regiment",    "Regement"   },
      {ChoiceList::size,       "regement",    "Regement"   },
      {ChoiceList::weight,     "battalion",   std::nullopt },
      {ChoiceList::weight,     "aSSAULT",     "Assault"    },
      {ChoiceList::experience, "elite",       "Elite"      },
      {ChoiceList::experience, "Heavy",       std::nullopt },
  };
  for (const Case& c : cases) {
    const auto word = choiceWord(c.list, c.typed);
    EXPECT_EQ(word ? std::optional<std::string>(*word) : std::nullopt, c.word) << c.typed;
  }
}

TEST(ReadSeed, IgnoresWhiteSpaceAroundTheSeedOnly) {
  const std::pair<const char*, std::optional<std::uint32_t>> taken[] = {
      {"42",         42u         },
      {" 42",        42u         },
      {"\t42\t",     42u         },
      {"42\r\n",     42u         },
      {"\n 42 \n",   42u         },
      {"4294967295", 4294967295u },
      {"0",          0u          },
      {"",           std::nullopt},
      {" \t\r\n",    std::nullopt},
  };
  for (const auto& [typed, seed] : taken) EXPECT_EQ(readSeed(typed), seed) << '"' << typed << '"';
  for (const char* bad : {"4 2", "-1", "+1", "4294967296", "7x", "0x10", "4.0", "\v42"}) {
    try {
      static_cast<void>(readSeed(bad));
      ADD_FAILURE() << bad << " was taken";
    } catch (const SeedError& error) {
      EXPECT_EQ(error.what(), "The seed is a whole number from 0 to 4294967295; \"" +
                                  std::string(bad) + "\" is not one.");
    }
  }
}

}  // namespace
