// SPDX-License-Identifier: MIT
#include "ui/listing_lines.h"

namespace {

constexpr int kHeaderLines = 4;

}  // namespace

std::optional<Reroll> rerollAtLine(int line, int groupSize, int groupCount) {
  if (line < kHeaderLines || groupSize < 1) return std::nullopt;
  const int linesPerGroup = groupSize + 1;
  const int group = (line - kHeaderLines) / linesPerGroup + 1;
  if (group > groupCount) return std::nullopt;
  return Reroll{group, (line - kHeaderLines) % linesPerGroup};
}
