// SPDX-License-Identifier: MIT
#include "roster/listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> texts(const std::vector<apstring>& lines) {
  std::vector<std::string> result;
  for (const apstring& line : lines) result.emplace_back(line.c_str());
  return result;
}

// The listing of a force of the given words and roster.
std::vector<apstring> listRoster(const char* house, const char* size, const char* weight,
                                 const char* experience, bool clan, const apvector<Mech>& roster) {
  Force force;
  force.house = house;
  force.size = size;
  force.weight = weight;
  force.experience = experience;
  force.isClan = clan;
  force.roster = roster;
  return listForce(force);
}

// A roster of `slots` records named "Design k", with skills counting up from '1'.
void fillRoster(apvector<Mech>& force, int slots) {
  force.resize(slots);
  for (int k = 0; k < slots; ++k) {
    force[k].name = ("Design " + std::to_string(k + 1)).c_str();
    force[k].piloting = static_cast<char>('1' + k % 7);
    force[k].gunnery = static_cast<char>('1' + (k + 3) % 7);
  }
}

TEST(Listing, HouseLanceIsHeaderSeparatorAndFourSlotsInOrder) {
  apvector<Mech> force;
  fillRoster(force, 4);
  force[0].name = "Elemental";
  force[0].piloting = '4';
  force[0].gunnery = '3';
  EXPECT_EQ(
      texts(listRoster("Kurita", "Lance", "Heavy", "Regular", false, force)),
      (std::vector<std::string>{"Kurita", "Lance", "Heavy", "Regular", " ", "Elemental P: 4 G: 3",
                                "Design 2 P: 2 G: 5", "Design 3 P: 3 G: 6", "Design 4 P: 4 G: 7"}));
}

TEST(Listing, OneSeparatorBeforeEveryGroup) {
  struct Case {
    bool clan;
    int slots;
    std::vector<int> separators;  // line indexes holding " "
  };
  const Case cases[] = {
      {false, 4,  {4}        }, // House lance: 9 lines
      {true,  10, {4, 10}    }, // Clan binary: 16 lines
      {false, 12, {4, 9, 14} }, // House company: 19 lines
      {true,  15, {4, 10, 16}}, // Clan company of stars: 22 lines
      {false, 0,  {}         }, // nothing generated yet: the header only
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("clan " + std::to_string(c.clan) + ", " + std::to_string(c.slots) + " slots");
    apvector<Mech> force;
    fillRoster(force, c.slots);
    const std::vector<std::string> lines =
        texts(listRoster("Wolf", "Binary", "Random", "Green", c.clan, force));
    ASSERT_EQ(lines.size(), 4 + c.slots + c.separators.size());
    EXPECT_EQ(lines[2], "Random");
    std::vector<int> separators;
    int slot = 0;
    for (int i = 4; i < static_cast<int>(lines.size()); ++i) {
      if (lines[i] == " ") {
        separators.push_back(i);
      } else {
        EXPECT_EQ(lines[i].substr(0, lines[i].find(" P: ")), "Design " + std::to_string(++slot));
      }
    }
    EXPECT_EQ(separators, c.separators);
  }
}

TEST(Listing, SeedCaptionNamesTheSeedAndTheRerollsWithRanges) {
  const std::pair<std::vector<Reroll>, const char*> cases[] = {
      {{},                                       "Seed: 4294967295"                             },
      {{{2, 0}},                                 "Seed: 4294967295 \u00b7 re-rolled 2"          },
      {{{2, 0}, {3, 0}, {4, 0}, {3, 1}, {2, 0}}, "Seed: 4294967295 \u00b7 re-rolled 2-4, 3.1, 2"},
      {{{1, 0}, {2, 0}, {1, 2}},                 "Seed: 4294967295 \u00b7 re-rolled 1, 2, 1.2"  },
  };
  for (const auto& [rerolls, caption] : cases) {
    Force force;
    force.seed = 4294967295u;
    force.rerolls = rerolls;
    EXPECT_EQ(seedCaption(force), caption);
    EXPECT_EQ(seedCaption(force.seed, rerolls), caption);
  }
}

}  // namespace
