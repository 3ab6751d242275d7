// SPDX-License-Identifier: MIT
#include "ui/table_source.h"

#include <system_error>
#include <utility>

#include "tables/table_location.h"

namespace fs = std::filesystem;

std::optional<TableSource::Stamp> TableSource::stampOf(const fs::path& path) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  if (error) return std::nullopt;
  const fs::file_time_type modified = fs::last_write_time(path, error);
  if (error) return std::nullopt;
  return Stamp{size, modified};
}

void TableSource::use(const fs::path& path, std::shared_ptr<const TableText> base) {
  files_.hold(base ? kMadeTables : kTableFile, path);
  files_.hold(kMadeTablesBase, base ? std::optional(base->name) : std::nullopt);
  base_ = std::move(base);
  inUse_ = true;
  readStamp_.reset();
  text_ = TableText{{}, path};
  const std::optional<Stamp> stamp = stampOf(path);
  text_ = readTableText(path);
  readStamp_ = stamp;
  fresh_ = true;
}

bool TableSource::takeFresh() {
  return std::exchange(fresh_, false);
}

const TableText& TableSource::refresh() {
  if (!inUse_) {
    use(locateTableFile());
  } else if (!readStamp_ || stampOf(text_.name) != readStamp_) {
    use(text_.name, base_);
  }
  return text_;
}
