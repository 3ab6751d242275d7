// SPDX-License-Identifier: MIT
// One CSV field as RFC 4180 has it: the text as it is, or, when it holds a comma, a double
// quote, CR or LF, in double quotes with its own double quotes doubled.
#ifndef MUSTERWRIGHT_ROSTER_CSV_FIELD_H
#define MUSTERWRIGHT_ROSTER_CSV_FIELD_H

#include <string>

inline std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string field(1, '"');
  for (const char c : text) field.append(c == '"' ? 2 : 1, c);
  return field + '"';
}

#endif
