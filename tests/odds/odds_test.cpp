// SPDX-License-Identifier: MIT
// Odds worked out by hand on crafted table files: the chance of an entry, of a name on several
// entries, of each weight word of a Clan star, of battle armour, of crew skills, and what a
// missing heading or a stray weight word does to them.
#include "odds/force_odds.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "support/table_files.h"

void PrintTo(const Fraction& fraction, std::ostream* out) {
  *out << fraction.text();
}

namespace {

// `text` with the first occurrence of `from` replaced by `to`.
std::string edited(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

// The chance in the row of part `kind` naming `item` (and `source`, when given); throws when
// there is none.
Fraction chanceOf(const OddsReport& report, OddsPartKind kind, const std::string& item,
                  const std::string& source = "") {
  for (const OddsPart& part : report.parts) {
    for (const OddsRow& row : part.rows) {
      if (part.kind == kind && row.item == item && (source.empty() || row.source == source))
        return row.chance;
    }
  }
  throw std::out_of_range("no row for " + item);
}

OddsReport oddsOf(const std::string& tables, const char* faction, const char* size,
                  const char* weight = "Random", const char* experience = "Random") {
  return computeOdds({faction, size, weight, experience, false}, tables, "Tables.dat");
}

std::string allEleven(const std::string& name) {
  std::string lines;
  for (int k = 0; k < 11; ++k) lines += name + "\n";
  return lines;
}

TEST(TableOdds, EntryChancesFollowTheEntryRoll) {
  const std::string sound = soundTables();
  const std::string kuritaLight = weightTable("Kur", "Light");
  struct Case {
    std::string tables;
    const char* design;
    Fraction chance;
  } cases[] = {
      {sound,                           "Kur Light 1", Fraction(1,  36)        },
      {                                  sound,                  "Kur Light 6",    Fraction(6,         36)           },
      {                              sound,                     "Kur Light 11",                               Fraction(1,            36)},
      { edited(sound,                  "Kur Light 11\n",                     "Kur Light 1\n"),                             "Kur Light 1",            Fraction(2, 36)},
      {                       edited(sound, kuritaLight,        "Light\n" + allEleven("Solo")), "Solo",            Fraction(1)},
  };
  for (const Case& c : cases) {
    const OddsReport report = oddsOf(c.tables, "Kurita", "Lance", "Light");
    EXPECT_EQ(chanceOf(report, OddsPartKind::tables, c.design), c.chance) << c.design;
  }
}

TEST(TableOdds, AMissingHeadingLendsTheNextTableOfItsWeight) {
  const std::string tables = edited(soundTables(), weightTable("Kur", "Heavy"), "");
  const OddsReport report = oddsOf(tables, "Kurita", "Lance", "Heavy");
  EXPECT_EQ(chanceOf(report, OddsPartKind::tables, "Lia Heavy 6", "Kurita"), Fraction(1, 6));
  EXPECT_EQ(chanceOf(report, OddsPartKind::designs, "Lia Heavy 6"), Fraction(1, 8))
      << "a Heavy lance has 3 Heavy slots in 4, each taking Liao's table";
  EXPECT_THROW(chanceOf(report, OddsPartKind::tables, "Kur Heavy 6"), std::out_of_range);
}

TEST(ForceOdds, ClanStarWeightColumnAndBattleArmour) {
  const OddsReport star = oddsOf(soundTables(), "Wolf", "Star");
  const std::pair<const char*, Fraction> weights[] = {
      {"Elemental", Fraction(1,  36)},
      {"Light",     Fraction(14, 36)},
      {"Medium",    Fraction(11, 36)},
      {"Heavy",     Fraction(7,  36)},
      {"Assault",   Fraction(3,  36)},
  };
  for (const auto& [word, chance] : weights)
    EXPECT_EQ(chanceOf(star, OddsPartKind::weights, word), chance) << word;
  EXPECT_EQ(chanceOf(star, OddsPartKind::designs, "Elemental"), Fraction(1, 36));
  EXPECT_EQ(
      chanceOf(oddsOf(soundTables(), "Davion", "Lance"), OddsPartKind::designs, "Battle Suit"),
      Fraction(1, 36));
  EXPECT_THROW(
      chanceOf(oddsOf(soundTables(), "Wolf", "Binary"), OddsPartKind::designs, "Elemental"),
      std::out_of_range)
      << "only a single group can roll battle armour";
}

TEST(ForceOdds, GreenCrewsOfHouseAndClan) {
  struct Case {
    const char* faction;
    const char* crew;
    Fraction chance;
  } cases[] = {
      {"Davion", "P: 7 G: 6", Fraction(1, 6)},
      {"Davion", "P: 5 G: 4", Fraction(1, 6)},
      {"Wolf",   "P: 6 G: 5", Fraction(1, 6)},
      {"Wolf",   "P: 5 G: 4", Fraction(1, 3)},
      {"Wolf",   "P: 4 G: 3", Fraction(1, 6)},
  };
  for (const Case& c : cases) {
    const OddsReport report = oddsOf(soundTables(), c.faction, "Random", "Random", "Green");
    EXPECT_EQ(chanceOf(report, OddsPartKind::crewSkills, c.crew), c.chance)
        << c.faction << " " << c.crew;
  }
}

TEST(ForceOdds, RefusesWhatItCannotGiveExactly) {
  const std::string strayWeight = edited(soundTables(), "Kur Light 4\n", "Medium\n");
  EXPECT_THROW(oddsOf(strayWeight, "Kurita", "Lance"), OddsError);
  EXPECT_THROW(oddsOf(soundTables(), "Kurita", "Platoon"), OddsError);
  EXPECT_THROW(oddsOf(soundTables().substr(0, 200), "Kurita", "Lance"), std::runtime_error)
      << "a table that the end of the file cuts short";
}

TEST(Fraction, StaysInLowestTermsAndRefusesOverflow) {
  EXPECT_EQ((Fraction(1, 36) + Fraction(1, 36)).text(), "1/18");
  EXPECT_EQ((Fraction(6, 4) * Fraction(2, 3)).text(), "1");
  EXPECT_EQ((Fraction(1, 3) / Fraction(2, 9)).text(), "3/2");
  EXPECT_THROW(Fraction(1, 3037000500) * Fraction(1, 3037000500), std::overflow_error);
  EXPECT_THROW(Fraction(1, 0), std::domain_error);
}

}  // namespace
