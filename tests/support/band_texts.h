// SPDX-License-Identifier: MIT
// Budgets as a player types or pastes them, which every front end's test hands to its budget
// option or box to see it answer them as the engine's readBand does.
#ifndef MUSTERWRIGHT_TESTS_SUPPORT_BAND_TEXTS_H
#define MUSTERWRIGHT_TESTS_SUPPORT_BAND_TEXTS_H

// clang-format off
inline constexpr struct { const char* text; bool tons; } kBandTexts[] = {
    {" 16000-18000\t", false}, {"16,000\u201318,000 points", false}, {"16000-18000 tons", false},
    {"720\u2013760 Tons", true}, {"760 points", true}};
// clang-format on

#endif
