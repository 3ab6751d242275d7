// SPDX-License-Identifier: MIT
#include "generator/table_text.h"

#include "tables/table_file.h"

TableText::TableText(std::string bytes, std::filesystem::path name)
    : bytes(std::move(bytes)),
      name(std::move(name)),
      index(std::make_shared<const TableIndex>(this->bytes, this->name.string())),
      reachable(std::make_shared<const ReachableTables>(reachableTables(*index))) {}

TableText readTableText(const std::filesystem::path& path) {
  return TableText{readTableFile(path), path};
}
