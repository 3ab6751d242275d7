// SPDX-License-Identifier: MIT
// Budgets as a player types them, or pastes them from a caption: blanks around them, comma
// groups, an en dash and the unit's word as the programs print a band, and the other unit's
// word. Each front end's test checks that it answers them as the engine's readBand does.
#ifndef MUSTERWRIGHT_TESTS_SUPPORT_BAND_TEXTS_H
#define MUSTERWRIGHT_TESTS_SUPPORT_BAND_TEXTS_H

struct BandText {
  const char* text;
  bool tons;
};

inline constexpr BandText kBandTexts[] = {
    {" 16000-18000\t",            false},
    {"16,000\u201318,000 points", false},
    {"16000-18000 tons",          false},
    {"720\u2013760 Tons",         true },
    {"760 points",                true },
};

#endif
