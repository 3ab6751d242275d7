// SPDX-License-Identifier: MIT
#include "generator/table_text.h"

#include <utility>

#include "tables/table_error.h"
#include "tables/table_file.h"
#include "tables/table_layout.h"

TableText::TableText(std::string bytes, std::filesystem::path name)
    : bytes(std::move(bytes)),
      name(std::move(name)),
      index(std::make_shared<const TableIndex>(this->bytes, this->name.string())),
      reachable(std::make_shared<const ReachableTables>(reachableTables(*index))) {}

TableText readTableText(const std::filesystem::path& path) {
  return TableText{readTableFile(path), path};
}

TableText tableTextOf(std::string bytes, const std::filesystem::path& name) {
  if (bytes.size() > kMaxTableFileBytes)
    throw TableError(name.string() + ": holds more than " + maxTableFileSize() +
                     ", which no table file does");
  if (const std::string problem = textProblem(bytes); !problem.empty())
    throw TableError(name.string() + ": " + problem);
  return TableText{std::move(bytes), name};
}
