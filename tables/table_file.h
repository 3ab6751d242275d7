// The one reader of a table file's bytes, for the generation and the checker alike: the whole
// file in memory, or a TableError that names the file and the system's reason.
#ifndef MUSTERWRIGHT_TABLES_TABLE_FILE_H
#define MUSTERWRIGHT_TABLES_TABLE_FILE_H

#include <filesystem>
#include <string>

// Every byte of the file at `path`, read as stored (no line-end translation). Throws
// TableError "<path>: <reason>" when `path` is a folder, cannot be opened or read, or holds
// more than kMaxTableFileBytes (table_layout.h); reading stops at that bound, so an endless
// stream (/dev/zero, a pipe) is refused instead of exhausting memory.
std::string readTableFile(const std::filesystem::path& path);

#endif
