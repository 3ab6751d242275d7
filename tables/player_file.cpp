// SPDX-License-Identifier: MIT
#include "tables/player_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <numeric>
#include <system_error>
#include <utility>
#include <vector>

#include "tables/collection.h"

namespace {

constexpr std::size_t kNearestNames = 3;

// The edit distance of `a` and `b`, one column of the distance table per 64-bit word: the
// vertical and horizontal steps of the table (each -1, 0 or +1) are kept as bit masks, so each
// byte of `b` costs a few word operations instead of a row of `a.size()` cells. `a` holds at
// most 64 bytes.
std::size_t shortEditDistance(std::string_view a, std::string_view b) {
  if (a.empty()) return b.size();
  std::array<std::uint64_t, 256> at{};
  for (std::size_t i = 0; i < a.size(); ++i) at[static_cast<unsigned char>(a[i])] |= 1ULL << i;
  const std::uint64_t last = 1ULL << (a.size() - 1);
  std::uint64_t up = ~0ULL, down = 0;
  std::size_t distance = a.size();
  for (const char c : b) {
    const std::uint64_t equal = at[static_cast<unsigned char>(c)];
    const std::uint64_t vertical = equal | down;
    const std::uint64_t horizontal = (((equal & up) + up) ^ up) | equal;
    std::uint64_t rise = down | ~(horizontal | up);
    std::uint64_t fall = up & horizontal;
    if (rise & last) ++distance;
    if (fall & last) --distance;
    rise = rise << 1 | 1;
    fall <<= 1;
    up = fall | ~(vertical | rise);
    down = rise & vertical;
  }
  return distance;
}

// The edit distance of `a` and `b` by the whole table, row by row.
std::size_t longEditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The edit distance of `a` and `b` when it is at most `bound`, else a number above `bound`.
std::size_t editDistance(std::string_view a, std::string_view b, std::size_t bound) {
  if (a.size() > b.size()) std::swap(a, b);
  if (b.size() - a.size() > bound) return bound + 1;
  return a.size() <= 64 ? shortEditDistance(a, b) : longEditDistance(a, b);
}

}  // namespace

bool isUtf8Text(std::string_view bytes) {
  for (std::size_t k = 0; k < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[k]);
    if (lead == 0) return false;
    const std::size_t length = lead < 0x80    ? 1
                               : lead >= 0xF5 ? 0
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC2 ? 2
                                              : 0;
    if (length == 0 || k + length > bytes.size()) return false;
    for (std::size_t c = 1; c < length; ++c)
      if ((static_cast<unsigned char>(bytes[k + c]) & 0xC0) != 0x80) return false;
    k += length;
  }
  return true;
}

std::string oversizedProblem(const std::string& fileName, const std::string& kind,
                             std::uintmax_t maxBytes) {
  return fileName + ": the file is too large for a " + kind + " (over " +
         std::to_string(maxBytes >> 20) + " MiB)";
}

std::string playerFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes,
                            const std::string& kind) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    throw PlayerFileError(path.string() + ": is a folder, not a " + kind + " file");
  // C file reading: the browser page links this file and takes in no stream code.
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) throw PlayerFileError(path.string() + ": cannot be opened");
  std::string bytes;
  char buffer[4096];
  while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, file.get())) {
    bytes.append(buffer, read);
    if (bytes.size() > maxBytes)
      throw PlayerFileError(oversizedProblem(path.string(), kind, maxBytes));
  }
  if (std::ferror(file.get())) throw PlayerFileError(path.string() + ": cannot be read");
  return bytes;
}

std::vector<std::string> nearestDesignNames(std::string_view name,
                                            std::span<const std::string> designNames) {
  // The nearest names so far, nearest first; a later name enters only when strictly nearer
  // than the last kept, so among names as near the earlier stays ahead.
  const std::string folded = foldedName(name);
  std::vector<std::pair<std::size_t, const std::string*>> nearest;
  for (const std::string& design : designNames) {
    if (nearest.size() == kNearestNames && nearest.back().first == 0) break;
    const std::size_t bound = nearest.size() < kNearestNames
                                  ? std::numeric_limits<std::size_t>::max() - 1
                                  : nearest.back().first - 1;
    const std::size_t distance = editDistance(folded, foldedName(design), bound);
    if (distance > bound) continue;
    const auto after =
        std::upper_bound(nearest.begin(), nearest.end(), distance,
                         [](std::size_t d, const auto& kept) { return d < kept.first; });
    nearest.insert(after, {distance, &design});
    if (nearest.size() > kNearestNames) nearest.pop_back();
  }
  std::vector<std::string> names;
  for (const auto& [distance, design] : nearest) names.push_back(*design);
  return names;
}

std::string nearestNames(const std::string& folded, std::span<const std::string> designNames) {
  std::string list;
  for (const std::string& name : nearestDesignNames(folded, designNames))
    list += (list.empty() ? "" : ", ") + name;
  return list.empty() ? "the table file names no design" : "nearest: " + list;
}
