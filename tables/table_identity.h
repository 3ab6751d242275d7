// SPDX-License-Identifier: MIT
// Which table file a force was drawn from. A file is known by a checksum of its bytes alone, so
// two files with the same bytes are the same file whatever they are called, and a file edited in
// place is another. The checksum is 64-bit FNV-1a, written as 16 lower-case hex digits.
#ifndef MUSTERWRIGHT_TABLES_TABLE_IDENTITY_H
#define MUSTERWRIGHT_TABLES_TABLE_IDENTITY_H

#include <string>
#include <string_view>

// The checksum of a table file's `bytes`: "cbf29ce484222325" for none. Never throws but for
// lack of memory.
std::string tableChecksum(std::string_view bytes);

// A table file as a message names it ("Tables.dat", "the shipped Tables.dat") and its checksum.
struct TableIdentity {
  std::string name;
  std::string checksum;
};

// What to tell the player who draws again, from the table file `inUse`, a force first drawn from
// `drawnFrom`: "" when the checksums agree; else one sentence naming both files and their
// checksums and saying that the force may differ.
std::string tableChangeNotice(const TableIdentity& drawnFrom, const TableIdentity& inUse);

#endif
