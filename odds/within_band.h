// SPDX-License-Identifier: MIT
// What a budget does to the forces it keeps: the totals within the band and each design's share
// of the slots there, beside its share of every force's. Exact for one lance or star; for more,
// estimated from forces drawn within the band on fixed seeds, so the same choices always give
// the same estimate.
#ifndef MUSTERWRIGHT_ODDS_WITHIN_BAND_H
#define MUSTERWRIGHT_ODDS_WITHIN_BAND_H

#include "generator/budget_band.h"
#include "generator/choices.h"
#include "generator/table_text.h"
#include "odds/budget_odds.h"
#include "tables/design_list.h"

// The forces an estimate draws within the band, on seeds 1 to kWithinDraws.
inline constexpr int kWithinDraws = 1000;
// The most tries, all draws together, that an estimate makes: a band of small chance is
// estimated from fewer forces (WithinBand::forces) rather than at length.
inline constexpr int kMostWithinTries = 20000;

// exactWithinBand where it gives figures; else the estimate. Each draw tries as
// drawWithinBudget does (generator/budget_draw.h), try j of seed s rolling budgetDice(s, 0, j);
// the share of every force comes from every try, the share within from the forces kept. With
// `chance`, the band's chance, too small for kMostWithinTries tries to expect one force within
// the band, none is tried and the figures are none. Throws as generateForce and
// exactWithinBand do.
WithinBand withinBand(const Selection& choices, const TableText& tables, const DesignList& designs,
                      const BudgetBand& band, double chance = 1);

#endif
