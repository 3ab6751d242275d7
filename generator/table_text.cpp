// SPDX-License-Identifier: MIT
#include "generator/table_text.h"

#include <utility>

#include "tables/table_error.h"
#include "tables/table_file.h"
#include "tables/table_layout.h"

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
