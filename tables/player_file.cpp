// SPDX-License-Identifier: MIT
#include "tables/player_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <system_error>
#include <utility>
#include <vector>

#include "tables/collection.h"

namespace {

constexpr std::size_t kNearestNames = 3;

std::size_t editDistance(std::string_view a, std::string_view b) {
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
      throw PlayerFileError(path.string() + ": the file is too large for a " + kind + " (over " +
                            std::to_string(maxBytes >> 20) + " MiB)");
  }
  if (std::ferror(file.get())) throw PlayerFileError(path.string() + ": cannot be read");
  return bytes;
}

std::vector<std::string> nearestDesignNames(std::string_view name,
                                            std::span<const std::string> designNames) {
  const std::string folded = foldedName(name);
  std::vector<std::pair<std::size_t, std::string>> ranked;
  for (const std::string& design : designNames)
    ranked.emplace_back(editDistance(folded, foldedName(design)), design);
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> nearest;
  for (std::size_t k = 0; k < std::min(kNearestNames, ranked.size()); ++k)
    nearest.push_back(ranked[k].second);
  return nearest;
}

std::string nearestNames(const std::string& folded, std::span<const std::string> designNames) {
  std::string list;
  for (const std::string& name : nearestDesignNames(folded, designNames))
    list += (list.empty() ? "" : ", ") + name;
  return list.empty() ? "the table file names no design" : "nearest: " + list;
}
