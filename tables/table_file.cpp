#include "tables/table_file.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "tables/table_error.h"
#include "tables/table_layout.h"

std::string readTableFile(const std::filesystem::path& path) {
  const std::string name = path.string();
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored))
    throw TableError(name + ": is a folder, not a table file");
  std::ifstream file(path, std::ios::in | std::ios::binary);
  if (!file.is_open())
    throw TableError(name + ": cannot be opened for reading: " + std::strerror(errno));
  std::string bytes;
  std::array<char, 1 << 16> chunk;
  while (file.read(chunk.data(), chunk.size()), file.gcount() > 0) {
    bytes.append(chunk.data(), static_cast<std::size_t>(file.gcount()));
    if (bytes.size() > kMaxTableFileBytes) {
      throw TableError(name + ": holds more than " + maxTableFileSize() +
                       ", which no table file does");
    }
  }
  if (file.bad()) throw TableError(name + ": cannot be read: " + std::strerror(errno));
  return bytes;
}
