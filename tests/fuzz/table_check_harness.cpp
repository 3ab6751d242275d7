// SPDX-License-Identifier: MIT
// The table checker on fuzzed bytes.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "fuzz/harness.h"
#include "tables/table_check.h"

std::string tableCheckProblem(std::string_view input) {
  const std::string prefix = "Tables.dat, line ";
  const std::uint64_t lines =
      std::max<std::uint64_t>(1, std::count(input.begin(), input.end(), '\n') +
                                     (!input.empty() && input.back() != '\n' ? 1 : 0));
  std::uint64_t previous = 0;
  for (const std::string& message : checkTableBytes(input, "Tables.dat")) {
    if (message.rfind(prefix, 0) != 0) return "a message without the file and line: " + message;
    std::size_t end = prefix.size();
    std::uint64_t line = 0;
    while (end < message.size() && message[end] >= '0' && message[end] <= '9')
      line = line * 10 + static_cast<std::uint64_t>(message[end++] - '0');
    if (message.compare(end, 2, ": ") != 0 || message.size() == end + 2)
      return "a message without its text: " + message;
    if (line < 1 || line > lines)
      return "line " + std::to_string(line) + " of a file of " + std::to_string(lines) +
             " lines: " + message;
    if (line < previous) return "a message out of line order: " + message;
    previous = line;
  }
  return "";
}
