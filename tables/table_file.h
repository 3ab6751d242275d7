// SPDX-License-Identifier: MIT
// The one reader of a table file's bytes, for the generation and the checker alike: the whole
// file in memory, or a TableError that names the file and the system's reason.
#ifndef MUSTERWRIGHT_TABLES_TABLE_FILE_H
#define MUSTERWRIGHT_TABLES_TABLE_FILE_H

#include <filesystem>
#include <string>
#include <string_view>

// Every byte of the file at `path`, read as stored (no line-end translation). Throws
// TableError "<path>: <reason>" when `path` is a folder, cannot be opened or read, or holds
// more than kMaxTableFileBytes (table_layout.h); reading stops at that bound, so an endless
// stream (/dev/zero, a pipe) is refused instead of exhausting memory. Throws TableError
// "<path>: <textProblem>" as well for a file that is empty or not text.
std::string readTableFile(const std::filesystem::path& path);

// Why `bytes` can hold no table whatever their lines say, or "": "the file is empty; ...", or
// "the file is not text; ..." when its first kilobyte (the whole file, if shorter) holds no line
// feed or is NUL bytes for half or more. A stray NUL byte is no such sign: the searches skip it.
std::string textProblem(std::string_view bytes);

#endif
