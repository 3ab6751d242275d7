// SPDX-License-Identifier: MIT
// A player's collection of miniatures: how many copies of each design they own, read from a
// plain text file of one design a line ("3 Mailfist", or "Mailfist" for one copy). Names match
// the table file's without regard to ASCII letter case, so a design is one design of the
// collection however a table spells it. The format is described in musterwright-collection(5).
#ifndef MUSTERWRIGHT_TABLES_COLLECTION_H
#define MUSTERWRIGHT_TABLES_COLLECTION_H

#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The most copies of one design a line may give.
inline constexpr int kMostCopies = 99;
// The most bytes a collection file may hold.
inline constexpr std::uintmax_t kMaxCollectionBytes = std::uintmax_t{1} << 20;

// A collection refused whole: every problem, one a line, each "<file>, line N: ..." where it
// has a line.
class CollectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Collection {
  // The file's name without its folder and extension ("mine" for mine.txt).
  std::string name;
  // tableChecksum (table_identity.h) of the entries as "count name" lines in the table's
  // spelling (a name in no table in lower case), sorted by byte, joined by line feeds: the same
  // collection written differently (case, order, comments, line ends) has the same identity.
  std::string identity;
  // Copies owned, by folded name (foldedName). A design absent here is not owned.
  std::map<std::string, int> copies;
};

// One line's design as read: its name in the table file's spelling (as written when no table
// names it), its copies, and whether a table names it.
struct CollectionEntry {
  std::string name;
  int count = 0;
  bool known = false;
};

// What a read collection holds and what the player should be told about it.
struct CollectionRead {
  Collection collection;
  // Every design of the file, in the file's order.
  std::vector<CollectionEntry> entries;
  // "<file>, line N: "Mailfsit" is in no table (nearest: Mailfist, Mailfury)", one per name.
  std::vector<std::string> warnings;
};

// `name` with ASCII letters in lower case: the key one design has in every spelling.
std::string foldedName(std::string_view name);

// The copies that a count typed or added up stands for: its whole part, held to 0 to
// kMostCopies; a count that is no number (NaN) stands for none. Never throws.
int heldCopies(double count);

// The collection held in `bytes`, named `fileName` in messages and `name` in the result.
// `designNames` are the table file's names (tableDesignNames): they give an entry its
// spelling and the warnings their nearest names. A UTF-8 byte-order mark and CR LF line ends
// are accepted. Throws CollectionError listing every problem: more than kMaxCollectionBytes,
// bytes that are no UTF-8 text or hold a NUL, a count over kMostCopies, a count with no name,
// one design on two lines (naming both), no design at all.
CollectionRead readCollection(std::string_view bytes, const std::string& fileName,
                              const std::string& name, std::span<const std::string> designNames);

// The same for the file at `path`. Throws CollectionError as well when the file cannot be
// read.
CollectionRead readCollectionFile(const std::filesystem::path& path,
                                  std::span<const std::string> designNames);

// The text of a collection file holding `entries` with a count above 0, one "3 Mailfist" a
// line in the given order, each ended by a line feed; readCollection reads it back to the same
// entries. Empty when no entry has a copy, which readCollection refuses.
std::string collectionText(std::span<const CollectionEntry> entries);

#endif
