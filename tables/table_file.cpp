// SPDX-License-Identifier: MIT
#include "tables/table_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#include "tables/table_error.h"
#include "tables/table_layout.h"

std::string readTableFile(const std::filesystem::path& path) {
  const std::string name = path.string();
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored))
    throw TableError(name + ": is a folder, not a table file");
  // C's files rather than a stream: the browser page then links no stream or locale code.
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(name.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) throw TableError(name + ": cannot be opened for reading: " + std::strerror(errno));
  std::string bytes;
  std::array<char, 1 << 16> chunk;
  while (const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get())) {
    bytes.append(chunk.data(), got);
    if (bytes.size() > kMaxTableFileBytes) {
      throw TableError(name + ": holds more than " + maxTableFileSize() +
                       ", which no table file does");
    }
  }
  if (std::ferror(file.get())) throw TableError(name + ": cannot be read: " + std::strerror(errno));
  if (const std::string problem = textProblem(bytes); !problem.empty())
    throw TableError(name + ": " + problem);
  return bytes;
}

std::string textProblem(std::string_view bytes) {
  if (bytes.empty()) {
    return "the file is empty; it must hold the " + std::to_string(kFactionHeadings.size()) +
           " faction sections and the vehicle section at byte " + std::to_string(vehicleStart);
  }
  constexpr std::size_t kProbe = 1024;
  const std::string_view start = bytes.substr(0, kProbe);
  const std::string where = bytes.size() > kProbe ? "its first kilobyte" : "it";
  const auto nulBytes = static_cast<std::size_t>(std::count(start.begin(), start.end(), '\0'));
  if (2 * nulBytes >= start.size()) {
    return "the file is not text; half or more of " + where + " is NUL bytes (" +
           std::to_string(nulBytes) + " of " + std::to_string(start.size()) + ")";
  }
  if (start.find('\n') == std::string_view::npos)
    return "the file is not text; " + where + " holds no line feed";
  return "";
}
