// SPDX-License-Identifier: MIT
// Budget searches made by one model and drawn by another, as the page and its search worker do:
// nothing changes until the search is handed over, then the force is the searching model's byte
// for byte; a kept try is taken only for the very search it was found for, and one that does not
// fit its band is not taken at all; a band refused before any try needs no search.
#include "roster/budget_searches.h"

#include <gtest/gtest.h>

#include <functional>

#include "roster/force_model.h"
#include "roster/made_tables_data.h"
#include "support/file_bytes.h"
#include "tables/table_identity.h"

namespace {

const Selection kCompany{"Davion", "Company", "", "", false};

// A model drawing from the shipped files; `searching` as budgetSearches().searchHere.
ForceModel shippedModel(bool searching) {
  ForceModel model;
  static_cast<void>(model.useTables({bytesOf(SHIPPED_TABLES), SHIPPED_TABLES}));
  model.budgetSearches().searchHere = searching;
  return model;
}

void handOver(ForceModel& from, ForceModel& to) {
  for (const auto& [key, outcome] : from.budgetSearches().all())
    to.budgetSearches().keep(key, outcome);
}

// Each operation, made on the model that leaves its searches, then on the one that makes them,
// then on the first again with what the second found: the same answer, and nothing changed
// before it.
TEST(BudgetSearches, ADrawLeftElsewhereIsTheDrawTheSearchFound) {
  ForceModel page = shippedModel(false);
  ForceModel worker = shippedModel(true);
  const auto generate = [](ForceModel& model) { return model.generate(kCompany, "7", "2"); };
  using Operation = std::function<ForceView(ForceModel&)>;
  const auto reroll = [](RerollKind kind, Reroll at) -> Operation {
    return [kind, at](ForceModel& m) { return m.reroll(kind, at); };
  };
  // clang-format off
  const struct { const char* name; Operation operation; const char* error = ""; } cases[] = {
      {"generate", generate},
      {"re-roll a lance", reroll(RerollKind::group, {3, 0})},
      {"keep one, roll the others", reroll(RerollKind::otherGroups, {2, 0})},
      {"re-roll a slot", reroll(RerollKind::slot, {1, 2})},
      {"draw a record again", [](ForceModel& m) {
         m.placeStep(1);
         ForceRecord record = *m.shownRecord();
         record.rerolls += ",1";
         return m.redraw(record);
       }},
      {"a band no try meets", [](ForceModel& m) {
         m.setBudget({"9700-9900", ""});
         return m.generate({"Davion", "Lance", "", "", false}, "1");
       }, "no force within 9,700\u20139,900 points in 20,000 tries: the band's chance is 1/165888"},
  };
  // clang-format on
  page.setBudget({"16000-18000", ""});
  worker.setBudget({"16000-18000", ""});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string before = page.shown().listing;
    const ForceView left = c.operation(page);
    EXPECT_TRUE(left.searchElsewhere) << left.error;
    EXPECT_EQ(page.shown().listing, before);
    const ForceView searched = c.operation(worker);
    handOver(worker, page);
    const ForceView drawn = c.operation(page);
    EXPECT_FALSE(drawn.searchElsewhere);
    EXPECT_EQ(drawn.error, searched.error);
    EXPECT_EQ(drawn.listing, searched.listing);
    EXPECT_EQ(drawn.caption, searched.caption);
    EXPECT_NE(drawn.error.find(c.error), std::string::npos) << drawn.error;
  }
}

// A key names every input of its search: a change to any one gives another key, so that a try
// found for one search is never taken for another, even where it would fit that one's band.
TEST(BudgetSearches, EveryInputOfASearchIsInItsKey) {
  DesignList designs;
  designs.identity = "list";
  const BudgetBand band{
      NumberRange{16000, 18000},
      std::nullopt
  };
  Selection owned = kCompany;
  owned.collection = Collection{"mine", "copies", {}};
  BudgetBand skillBand;
  skillBand.skillPoints = NumberRange{16000, 18000};
  SkillTable skills, otherSkills;
  skills.identity = "skills";
  otherSkills.identity = "other skills";
  const std::string draw = drawSearchKey("tables", kCompany, 7, band, designs, nullptr);
  DesignList otherList = designs;
  otherList.identity = "other";
  const auto key = [&](const Selection& choices) {
    return drawSearchKey("tables", choices, 7, band, designs, nullptr);
  };
  // clang-format off
  const std::string draws[] = {
      drawSearchKey("other", kCompany, 7, band, designs, nullptr),
      key({"Davion", "Company", "", "Veteran", false}),
      key({"Davion", "Company", "Heavy", "", false}),
      key({"Davion", "Lance", "", "", false}),
      key({"Liao", "Company", "", "", false}),
      key({"Davion", "Company", "", "", true}),
      key({"Davion", "Company", "", "", false, std::nullopt, true}),
      key(owned),
      drawSearchKey("tables", kCompany, 8, band, designs, nullptr),
      drawSearchKey("tables", kCompany, 7, {NumberRange{16000, 18001}, std::nullopt}, designs, nullptr),
      drawSearchKey("tables", kCompany, 7, {std::nullopt, NumberRange{16000, 18000}}, designs, nullptr),
      drawSearchKey("tables", kCompany, 7, band, otherList, nullptr),
      drawSearchKey("tables", kCompany, 7, band, designs, nullptr, Side::b),
      drawSearchKey("tables", kCompany, 7, skillBand, designs, &skills),
      drawSearchKey("tables", kCompany, 7, skillBand, designs, &otherSkills),
  };
  // clang-format on
  EXPECT_EQ(draw, drawSearchKey("tables", kCompany, 7, band, designs, nullptr));
  for (const std::string& other : draws) EXPECT_NE(other, draw);
  // The skill table counts for a band in points with crew skill alone.
  EXPECT_NE(draws[std::size(draws) - 1], draws[std::size(draws) - 2]);
  EXPECT_EQ(draw, drawSearchKey("tables", kCompany, 7, band, designs, &skills));

  ForceModel model = shippedModel(true);
  const Force force = *(model.generate(kCompany, "7"), model.shownForce());
  const auto changed = [&force](const std::function<void(Force&)>& change) {
    Force other = force;
    change(other);
    return other;
  };
  const std::string reroll = rerollSearchKey("tables", force, {2, 0}, designs, nullptr);
  const auto changedKey = [&](const std::function<void(Force&)>& change) {
    return rerollSearchKey("tables", changed(change), {2, 0}, designs, nullptr);
  };
  // clang-format off
  const std::string rerolls[] = {
      rerollSearchKey("other", force, {2, 0}, designs, nullptr),
      rerollSearchKey("tables", force, {3, 0}, designs, nullptr),
      rerollSearchKey("tables", force, {2, 1}, designs, nullptr),
      rerollSearchKey("tables", force, {2, 0}, otherList, nullptr),
      changedKey([&skillBand](Force& f) { f.budget = skillBand; }),
      changedKey([](Force& f) { f.seed = 8; }),
      changedKey([](Force& f) { f.side = Side::b; }),
      changedKey([](Force& f) { f.rerolls.push_back({1, 0}); }),
      changedKey([&band](Force& f) { f.budget = band; }),
      changedKey([](Force& f) { f.roster[3].name = "Mailfist"; }),
      changedKey([](Force& f) { f.roster[3].gunnery = '1'; }),
      changedKey([](Force& f) { f.roster[3].kind = SlotKind::open; }),
      changedKey([](Force& f) { f.groupWeights[1] = "Assault"; }),
      changedKey([](Force& f) { f.experience = "Elite"; }),
      changedKey([](Force& f) { f.unique = true; }),
      changedKey([&owned](Force& f) { f.collection = owned.collection; }),
  };
  // clang-format on
  EXPECT_EQ(reroll, rerollSearchKey("tables", force, {2, 0}, designs, nullptr));
  for (const std::string& other : rerolls) EXPECT_NE(other, reroll);
}

// A kept try is taken for its own search; one that does not fit its band (told as the try
// before the one found) is not, and a model that searches itself then finds the right one.
TEST(BudgetSearches, AKeptTryThatMissesItsBandIsNotTaken) {
  ForceModel worker = shippedModel(true);
  worker.setBudget({"16000-18000", ""});
  const ForceView found = worker.generate(kCompany, "7");
  ASSERT_TRUE(found.drew()) << found.error;
  const auto& [key, outcome] = worker.budgetSearches().all().front();
  ASSERT_GT(*outcome.attempt, 0) << "the band must miss at try 0 for this test";
  const struct {
    int attempt;
    bool searching;
    bool drew;
  } cases[] = {
      {*outcome.attempt,     false, true },
      {*outcome.attempt - 1, false, false},
      {*outcome.attempt - 1, true,  true },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.attempt) + (c.searching ? " searching" : ""));
    ForceModel page = shippedModel(c.searching);
    page.setBudget({"16000-18000", ""});
    page.budgetSearches().keep(key, {c.attempt, ""});
    const ForceView view = page.generate(kCompany, "7");
    EXPECT_EQ(view.searchElsewhere, !c.drew);
    EXPECT_EQ(view.listing, c.drew ? found.listing : "");
  }
}

// A band refused before any try is refused at once by the model that leaves its searches: the
// player is told without waiting for another engine, and nothing was drawn.
TEST(BudgetSearches, ARefusalBeforeAnyTryNeedsNoSearchElsewhere) {
  ForceModel page = shippedModel(false);
  page.setBudget({"2850-3000", ""});
  const ForceView refused = page.generate({"Wolf", "Star", "", "", false}, "1");
  EXPECT_FALSE(refused.searchElsewhere);
  EXPECT_NE(refused.error.find("the nearest totals they reach are"), std::string::npos)
      << refused.error;
  EXPECT_TRUE(page.budgetSearches().all().empty());
}

TEST(BudgetSearches, KeepsOneOutcomeAKeyAndTheNewestOnes) {
  BudgetSearches searches;
  for (std::size_t k = 0; k <= BudgetSearches::kKept; ++k)
    searches.keep(std::to_string(k), {static_cast<int>(k), ""});
  searches.keep("7", {std::nullopt, "refused"});
  EXPECT_EQ(searches.all().size(), BudgetSearches::kKept);
  EXPECT_EQ(searches.find("0"), nullptr);
  EXPECT_EQ(*searches.find("1"), (SearchOutcome{1, ""}));
  EXPECT_EQ(*searches.find("7"), (SearchOutcome{std::nullopt, "refused"}));
  EXPECT_EQ(searches.all().back().first, "7");
}

}  // namespace
