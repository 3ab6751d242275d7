// SPDX-License-Identifier: MIT
// The page's table files, kept in the module's in-memory file system: the shipped one at
// /shipped/Tables.dat, and a file the user chooses, written to /chosen/ under its own name so
// that every message names it as the user knows it. One of them is in use at a time.
#ifndef MUSTERWRIGHT_WEB_PAGE_TABLES_H
#define MUSTERWRIGHT_WEB_PAGE_TABLES_H

#include <memory>
#include <string>
#include <vector>

#include "generator/table_text.h"

// The table file in use: the shipped one until another is used. A force keeps the pointer it
// was drawn with, so that its re-rolls read that file even after another has come into use.
std::shared_ptr<const TableText> pageTables();

// Writes `bytes`, the content of the user's file `name`, to /chosen/ and makes it the table file
// in use when the engine can read it, quirks included; returns its tableWarning
// (tables/table_check.h), none for a sound file. Throws TableError, the table file in use
// staying, for a file the engine cannot read (empty, not text, too large) or cannot store.
std::vector<std::string> useChosenTables(const std::string& bytes, const std::string& name);

// Makes the shipped table file the one in use. Throws TableError when it cannot be read.
void useShippedTables();

// The checksum of the shipped table file, read once; "" when it cannot be read.
const std::string& shippedChecksum();

#endif
