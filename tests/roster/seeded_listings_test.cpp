// SPDX-License-Identifier: MIT
// A seed is a promise: an organiser publishes one, so the same seed and choices must draw the
// same force in every later version. seeded_listings.txt holds listings drawn once from the
// shipped Tables.dat; their cases reach every reachable row of every rule table, so a change to
// the dice or to any row changes some listing here. Budgeted cases that fit only at a later try
// and re-rolled cases hold the seed words of the tries and of the re-rolls to theirs as well.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/apstring_stream.h"
#include "generator/budget_draw.h"
#include "generator/generate.h"
#include "roster/budget_words.h"
#include "roster/listing.h"
#include "support/file_bytes.h"

namespace {

struct SeededCase {
  std::string header;  // the case's "@@" line, naming it in a failure
  Selection selection;
  std::uint32_t seed = 0;
  std::string listing;  // every line followed by a line feed, as musterwright-cli prints it
  std::optional<BudgetBand> budget;
  std::vector<RerollItem> rerolls;
};

// "@@ faction; size; weight; experience; vehicles or no vehicles; seed N", then the lines of
// its listing up to the next "@@" line; "; points BAND", "; tons BAND" and "; reroll LIST" may
// follow the seed. Lines before the first case are comments.
std::vector<SeededCase> readCases(const std::string& text) {
  std::vector<SeededCase> cases;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with("@@ ")) {
      if (!cases.empty()) cases.back().listing += line + "\n";
      continue;
    }
    std::vector<std::string> fields;
    std::istringstream header(line.substr(3));
    for (std::string field; std::getline(header, field, ';');)
      fields.push_back(field.substr(field.starts_with(' ') ? 1 : 0));
    EXPECT_GE(fields.size(), 6u) << line;
    std::optional<BudgetBand> budget;
    std::vector<RerollItem> rerolls;
    for (std::size_t k = 6; k < fields.size(); ++k) {
      if (fields[k].starts_with("reroll ")) {
        rerolls = parseRerollItems(fields[k].substr(7));
        continue;
      }
      if (!budget) budget.emplace();
      const bool tons = fields[k].starts_with("tons ");
      (tons ? budget->tonsHundredths : budget->points) =
          readBand(fields[k].substr(fields[k].find(' ') + 1), tons);
    }
    fields.resize(6);
    const Selection selection{fields[0].c_str(), fields[1].c_str(), fields[2].c_str(),
                              fields[3].c_str(), fields[4] == "vehicles"};
    cases.push_back({line, selection, static_cast<std::uint32_t>(std::stoul(fields[5].substr(5))),
                     "", budget, rerolls});
  }
  return cases;
}

TEST(SeededListings, EverySeedStillDrawsItsForceByteForByte) {
  const TableText tables = readTableText(SHIPPED_TABLES);
  const std::vector<SeededCase> cases = readCases(bytesOf(SEEDED_LISTINGS));
  const DesignList designs = readDesignListFile(SHIPPED_DESIGNS, {}, UnknownNames::quiet).list;
  ASSERT_FALSE(cases.empty());
  for (const SeededCase& c : cases) {
    std::optional<Force> force =
        c.budget ? drawWithinBudget(tables, c.selection, c.seed, *c.budget, designs)
                 : generateForce(tables, c.selection, c.seed);
    ASSERT_TRUE(force) << c.header;
    rerollBudgetForce(*force, tables, c.rerolls, &designs);
    std::string listing;
    for (const apstring& line : listForce(*force)) listing.append(line.c_str()).push_back('\n');
    EXPECT_EQ(listing, c.listing) << c.header;
  }
}

}  // namespace
