// SPDX-License-Identifier: MIT
// The checked string's stream operators, apart from the string itself so that a program
// without streams (the browser page) does not take them in.
#ifndef MUSTERWRIGHT_FOUNDATION_APSTRING_STREAM_H
#define MUSTERWRIGHT_FOUNDATION_APSTRING_STREAM_H

#include <istream>
#include <ostream>

#include "foundation/apstring.h"

// Writes the characters and nothing else (no line end, no padding).
std::ostream& operator<<(std::ostream& os, const apstring& str);

// Reads one line into `s`: empties it, then takes characters one by one until a line feed
// (consumed, not stored) or a failed read. Nothing is translated, so a carriage return
// before the line feed stays in `s` (only NUL bytes, which no text can hold, are skipped). A last
// line without a line feed is delivered whole, leaving the stream at end of file and failed; on a
// stream already failed, `s` becomes "" at once. The stream's state is never cleared here.
std::istream& getline(std::istream& is, apstring& s);

#endif
