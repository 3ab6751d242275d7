// The table file the window generates from: named by the user or looked up where
// locateTableFile looks, and read again whenever it has changed on disk since it was read, so
// that an edit shows at the next Generate without a restart.
#ifndef MUSTERWRIGHT_UI_TABLE_SOURCE_H
#define MUSTERWRIGHT_UI_TABLE_SOURCE_H

#include <filesystem>

// Makes `path` the table file in use and reads it (openTableFile). Throws TableError when it
// cannot be read; the path stays in use, and the next refresh tries it again.
void useTableFile(const std::filesystem::path& path);

// Before a Generate: reads the table file in use again when its size or modification time
// differs from when it was last read, or when it could not be read then; with none in use,
// looks one up first. Throws TableError as useTableFile and locateTableFile do.
void refreshTableFile();

#endif
