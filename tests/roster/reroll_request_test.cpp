// SPDX-License-Identifier: MIT
// The re-rolls a listing line asks for, as the window's menu and keys and the page's buttons
// ask: which apply where, and the codes each turns into.
#include "roster/reroll_request.h"

#include <gtest/gtest.h>

#include "generator/reroll_list.h"

namespace {

Force forceOf(bool clan, int groups) {
  Force force;
  force.isClan = clan;
  force.roster.resize(groups * force.groupSize());
  return force;
}

TEST(RerollRequest, EachListingLineAsksForItsGroupTheOthersOrItsSlot) {
  const Force company = forceOf(false, 3);  // lines: 4 headers, then " " and 4 slots per lance
  const Force star = forceOf(true, 1);      // lines: 4 headers, " " and 5 slots
  const struct {
    const Force& force;
    int line;
    std::vector<Reroll> group, others, slot;
  } cases[] = {
      {company, 3,  {},       {},               {}      }, // a header line
      {company, 4,  {{1, 0}}, {{2, 0}, {3, 0}}, {}      }, // lance 1's separator
      {company, 8,  {{1, 0}}, {{2, 0}, {3, 0}}, {{1, 4}}},
      {company, 10, {{2, 0}}, {{1, 0}, {3, 0}}, {{2, 1}}},
      {company, 18, {{3, 0}}, {{1, 0}, {2, 0}}, {{3, 4}}},
      {company, 19, {},       {},               {}      }, // past the force
      {star,    9,  {{1, 0}}, {},               {{1, 5}}}, // one star keeps nothing apart
      {star,    -1, {},       {},               {}      },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("line " + std::to_string(c.line) + " of a " + groupWord(c.force.isClan) +
                 " force");
    EXPECT_EQ(rerollRequestAtLine(c.force, RerollKind::group, c.line), c.group);
    EXPECT_EQ(rerollRequestAtLine(c.force, RerollKind::otherGroups, c.line), c.others);
    EXPECT_EQ(rerollRequestAtLine(c.force, RerollKind::slot, c.line), c.slot);
  }
}

TEST(RerollRequest, AGroupOrSlotOutsideTheForceIsRefused) {
  const Force company = forceOf(false, 3);
  EXPECT_FALSE(rerollApplies(forceOf(true, 1), RerollKind::otherGroups, {1, 0}));
  EXPECT_TRUE(rerollApplies(company, RerollKind::otherGroups, {1, 0}));
  for (const Reroll outside : {
           Reroll{0, 0 },
           Reroll{4, 0 },
           Reroll{2, 5 },
           Reroll{1, -1}
  })
    for (const RerollKind kind : {RerollKind::group, RerollKind::otherGroups, RerollKind::slot})
      EXPECT_THROW(rerollRequest(company, kind, outside), RerollError) << rerollWord(outside);
}

}  // namespace
