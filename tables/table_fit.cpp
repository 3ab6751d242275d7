// SPDX-License-Identifier: MIT
#include "tables/table_fit.h"

#include <algorithm>
#include <optional>

#include "tables/table_check.h"
#include "tables/table_layout.h"

namespace {

struct Line {
  std::size_t start, end;  // the line's bytes, without its line feed
};

std::string withLfEnds(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    if (bytes[k] == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n') continue;
    text += bytes[k];
  }
  return text;
}

// The lines of `text`, a last one without a line feed included.
std::vector<Line> linesOf(const std::string& text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back({start, end});
    start = end + 1;
  }
  return lines;
}

// Whether the line equals `word` as the searches see it: byte for byte, NUL bytes skipped.
bool lineIs(std::string_view line, std::string_view word) {
  std::size_t matched = 0;
  for (const char c : line) {
    if (c == '\0') continue;
    if (matched == word.size() || c != word[matched]) return false;
    ++matched;
  }
  return matched == word.size();
}

bool isFiller(std::string_view line) {
  return std::none_of(line.begin(), line.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
}

// Lays out LF text by its filler; nothing when it lacks the parts that locate the filler.
class Layout {
 public:
  explicit Layout(const std::string& text) : text_(text), lines_(linesOf(text)) {}

  // The byte at which the filler begins and the byte after it; nothing when the faction
  // headings, the last faction's tables or a vehicle table cannot be found.
  std::optional<std::pair<std::size_t, std::size_t>> filler() const {
    std::size_t lastFaction = 0;
    for (const char* faction : kFactionHeadings) {
      const std::optional<std::size_t> heading = find(faction, 0);
      if (!heading) return std::nullopt;
      lastFaction = std::max(lastFaction, *heading);
    }
    std::size_t tablesEnd = 0;  // the first line after the last faction table
    for (const char* weight : kWeightHeadings) {
      const std::optional<std::size_t> heading = find(weight, lastFaction + 1);
      if (!heading) return std::nullopt;
      tablesEnd = std::max(tablesEnd, *heading + 1 + kTableEntries);
    }
    std::optional<std::size_t> vehicles;
    for (const char* weight : kWeightHeadings) {
      const std::optional<std::size_t> heading = find(weight, tablesEnd);
      if (heading && (!vehicles || *heading < *vehicles)) vehicles = heading;
    }
    if (!vehicles) return std::nullopt;

    std::size_t last = *vehicles;
    while (last > tablesEnd && !isFiller(line(last - 1))) --last;
    std::size_t first = last;
    while (first > tablesEnd && isFiller(line(first - 1))) --first;
    if (first == last) {
      const std::size_t at = lines_[tablesEnd].start;
      return std::pair{at, at};
    }
    return std::pair{lines_[first].start, lines_[last].start};
  }

 private:
  std::string_view line(std::size_t k) const {
    return std::string_view(text_).substr(lines_[k].start, lines_[k].end - lines_[k].start);
  }

  // The first line from `from` on that equals `word`.
  std::optional<std::size_t> find(std::string_view word, std::size_t from) const {
    for (std::size_t k = from; k < lines_.size(); ++k)
      if (lineIs(line(k), word)) return k;
    return std::nullopt;
  }

  const std::string& text_;
  std::vector<Line> lines_;
};

// The filler `old` (whole lines) made `size` bytes long: lines are taken off its end, the
// last one kept cut short where the bytes call for it; or lines are added after it, each a
// copy of its first line that is not empty (without one, 39 dashes), the last one cut short.
std::string resized(std::string_view old, std::size_t size) {
  std::string_view pattern;
  std::string filler;
  for (std::size_t start = 0; start < old.size() && filler.size() < size;) {
    const std::size_t end = old.find('\n', start);
    const std::string_view line = old.substr(start, end - start);
    if (pattern.empty()) pattern = line;
    filler.append(line.substr(0, size - filler.size() - 1)).push_back('\n');
    start = end + 1;
  }
  if (pattern.empty()) pattern = "---------------------------------------";
  while (filler.size() < size)
    filler.append(pattern.substr(0, size - filler.size() - 1)).push_back('\n');
  return filler;
}

}  // namespace

TableFit fitTableBytes(std::string_view bytes, const std::string& name) {
  const std::string text = withLfEnds(bytes);
  if (checkTableBytes(text, name).empty()) return {text, {}};

  const auto filler = Layout(text).filler();
  if (!filler) return {"", checkTableBytes(bytes, name)};
  const auto [begin, end] = *filler;
  const auto target = static_cast<std::size_t>(vehicleStart);
  if (begin > target) {
    const std::size_t line =
        static_cast<std::size_t>(std::count(text.begin(), text.begin() + begin, '\n'));
    return {"",
            {name + ", line " + std::to_string(line) + ": the faction tables end at byte " +
             std::to_string(begin) + ", past byte " + std::to_string(target) +
             " where the vehicle section must begin; they must shrink by " +
             std::to_string(begin - target) + " bytes"}};
  }
  std::string fitted = text.substr(0, begin) +
                       resized(std::string_view(text).substr(begin, end - begin), target - begin) +
                       text.substr(end);
  if (!checkTableBytes(fitted, name).empty()) return {"", checkTableBytes(bytes, name)};
  return {std::move(fitted), {}};
}

std::optional<std::size_t> fillerStart(const std::string& text) {
  const auto filler = Layout(text).filler();
  if (!filler) return std::nullopt;
  return filler->first;
}
