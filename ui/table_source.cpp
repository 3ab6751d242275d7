#include "ui/table_source.h"

#include <optional>
#include <system_error>

#include "generator/generate.h"
#include "tables/table_location.h"

namespace {

namespace fs = std::filesystem;

// What tells an edited file from the one that was read.
struct Stamp {
  std::uintmax_t size;
  fs::file_time_type modified;
  bool operator==(const Stamp&) const = default;
};

std::optional<fs::path> inUse;
// The stamp of the file in use when it was last read whole; none while it could not be.
std::optional<Stamp> readStamp;

std::optional<Stamp> stampOf(const fs::path& path) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  if (error) return std::nullopt;
  const fs::file_time_type modified = fs::last_write_time(path, error);
  if (error) return std::nullopt;
  return Stamp{size, modified};
}

}  // namespace

void useTableFile(const fs::path& path) {
  inUse = path;
  readStamp.reset();
  const std::optional<Stamp> stamp = stampOf(path);
  openTableFile(path);
  readStamp = stamp;
}

void refreshTableFile() {
  if (!inUse) {
    useTableFile(locateTableFile());
    return;
  }
  if (!readStamp || stampOf(*inUse) != readStamp) useTableFile(*inUse);
}
