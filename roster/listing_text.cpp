// SPDX-License-Identifier: MIT
#include "roster/listing_text.h"

namespace {

// Each line followed by `end`, or with `end` between two lines only.
std::string joined(const std::vector<apstring>& lines, const char* end, bool afterLast) {
  std::string text;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (!afterLast && k > 0) text += end;
    text.append(lines[k].c_str(), static_cast<std::size_t>(lines[k].length()));
    if (afterLast) text += end;
  }
  return text;
}

}  // namespace

std::string boxText(const std::vector<apstring>& lines) {
  return joined(lines, "\n", false);
}

std::string savedText(const std::vector<apstring>& lines) {
  return joined(lines, "\r\n", true);
}

std::vector<apstring> textLines(const std::string& text) {
  std::vector<apstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start).c_str());
    start = end + 1;
  }
  return lines;
}
