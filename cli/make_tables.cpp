// SPDX-License-Identifier: MIT
#include "cli/make_tables.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "roster/files_in_use.h"
#include "roster/made_tables.h"
#include "roster/made_tables_data.h"
#include "roster/roster_file.h"
#include "tables/table_error.h"
#include "tables/table_file.h"
#include "tables/table_location.h"

namespace fs = std::filesystem;

namespace {

// The files --out may not write over: the base, the list, and the table file a force would be
// drawn from even when the base is another.
FilesInUse filesRead(const fs::path& base, const fs::path& list) {
  FilesInUse files;
  files.hold(kTableFile, base);
  try {
    files.add(kTableFile, locateTableFile());
  } catch (const TableError&) {
    // no table file in use but the base
  }
  files.hold(kDesignList, list);
  return files;
}

void write(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    throw SaveError(std::string("cannot write to standard output: ") + std::strerror(errno));
}

}  // namespace

int makeTables(const CliOptions& options) {
  const fs::path list = *options.designs;
  const fs::path base = options.tables ? fs::path(*options.tables) : locateTableFile();
  const FilesInUse files = filesRead(base, list);

  const MadeTables made = layOutTables(list, readTableFile(base), base.string());
  for (const std::string& notice : made.notices)
    std::cerr << "musterwright-cli: " << notice << '\n';
  for (const std::string& warning : made.warnings)
    std::cerr << "musterwright-cli: warning: " << warning << '\n';
  if (!made.made()) {
    for (const std::string& problem : made.problems) std::cerr << problem << '\n';
    std::cerr << "musterwright-cli: the tables of " << list.string()
              << " were not laid out; nothing written\n";
    return 1;
  }
  if (options.out) {
    files.saveBytes(*options.out, made.making.bytes);
  } else {
    write(made.making.bytes);
  }
  if (options.format == Format::json) {
    write(madeTablesJson(made.making, list.string(), base.string()));
  } else {
    std::cerr << madeTablesText(made.report);
  }
  return 0;
}
