// SPDX-License-Identifier: MIT
// A listing's lines as one text and back: as a text box holds them, joined by line feeds, and as
// a saved listing holds them, each line followed by CR LF. Every front end's box, save and
// download goes through these.
#ifndef MUSTERWRIGHT_ROSTER_LISTING_TEXT_H
#define MUSTERWRIGHT_ROSTER_LISTING_TEXT_H

#include <string>
#include <vector>

#include "foundation/apstring.h"

// The lines joined by line feeds, with none after the last: "Kurita\nLance\n...".
std::string boxText(const std::vector<apstring>& lines);

// Every line followed by CR LF, the last one included; no lines give "".
std::string savedText(const std::vector<apstring>& lines);

// Splits an edited text into lines at each line feed: a final line break adds no empty
// line, and an empty text gives no line.
std::vector<apstring> textLines(const std::string& text);

#endif
