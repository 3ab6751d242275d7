// SPDX-License-Identifier: MIT
// The table file the window generates from: named by the user or looked up where
// locateTableFile looks, and read again whenever it has changed on disk since it was read, so
// that an edit shows at the next Generate without a restart. The file is put in use
// (roster/files_in_use.h) as it is opened, before it is read, so that no save writes over it even
// when it cannot be read.
#ifndef MUSTERWRIGHT_UI_TABLE_SOURCE_H
#define MUSTERWRIGHT_UI_TABLE_SOURCE_H

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "generator/table_text.h"
#include "roster/files_in_use.h"

class TableSource {
 public:
  // Puts each file it opens in use in `files`, which must outlive it.
  explicit TableSource(FilesInUse& files) : files_(files) {}

  // Makes `path` the table file in use and reads it: tables laid out from a design list with
  // `base`, the table file they were laid out over, put in use as kMadeTables beside it; any other
  // file as kTableFile, its own base. Throws TableError when it cannot be read; the path stays in
  // use, and the next refresh tries it again.
  void use(const std::filesystem::path& path, std::shared_ptr<const TableText> base = nullptr);

  // Before a Generate: reads the table file in use again when its size or modification time
  // differs from when it was last read, or when it could not be read then; with none in use,
  // looks one up first. Returns the text read. Throws TableError as use and locateTableFile do.
  const TableText& refresh();

  // Whether the file was read whole since the last call: true once after each read, so that
  // the caller hands the new text on.
  bool takeFresh();

  // The path of the table file in use ("Tables.dat" while none is), for dialogs; the base of
  // made tables, null for a file that is its own base.
  const std::filesystem::path& path() const { return text_.name; }
  const std::shared_ptr<const TableText>& base() const { return base_; }

 private:
  // What tells an edited file from the one that was read.
  struct Stamp {
    std::uintmax_t size;
    std::filesystem::file_time_type modified;
    bool operator==(const Stamp&) const = default;
  };
  static std::optional<Stamp> stampOf(const std::filesystem::path& path);

  FilesInUse& files_;
  std::shared_ptr<const TableText> base_;
  bool inUse_ = false;
  TableText text_{{}, "Tables.dat"};
  // The stamp of the file in use when it was last read whole; none while it could not be.
  std::optional<Stamp> readStamp_;
  bool fresh_ = false;
};

#endif
