// SPDX-License-Identifier: MIT
#include "generator/table_text.h"

#include "tables/table_file.h"

TableText readTableText(const std::filesystem::path& path) {
  return TableText{readTableFile(path), path};
}
