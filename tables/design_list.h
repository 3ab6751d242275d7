// SPDX-License-Identifier: MIT
// A design list: the tons and points of designs, read from a CSV file whose header names its
// columns (musterwright-designs(5)). Names match the table file's without regard to ASCII letter
// case, as a collection's do (collection.h). The columns read are "design", "tons" and
// "points"; any other column is named in a notice and otherwise left alone, so further columns
// can be read from the same rows later (see kDesignListColumns).
#ifndef MUSTERWRIGHT_TABLES_DESIGN_LIST_H
#define MUSTERWRIGHT_TABLES_DESIGN_LIST_H

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The file a design list is looked for under (table_location.h).
inline constexpr const char* kDesignListFileName = "Designs.csv";
// The most bytes a design list may hold.
inline constexpr std::uintmax_t kMaxDesignListBytes = std::uintmax_t{1} << 20;
// The most tons of a design, in hundredths of a ton: 200 tons.
inline constexpr std::int64_t kMostTonsHundredths = 20000;
// The most points of a design.
inline constexpr std::int64_t kMostPoints = 99999;
// The columns a design list reads, in the order the manual page lists them: the numbers, then
// where the design goes in tables laid out from the list.
inline constexpr std::array<const char*, 7> kDesignListColumns = {
    "design", "tons", "points", "weight_class", "kind", "factions", "rarity"};

// A design list refused whole: every problem, one a line, each "<file>, line N: ..." where it
// has a line.
class DesignListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where a row puts its design in tables laid out from the list: its cells as written.
struct LayoutCells {
  std::string weightClass;  // Light, Medium, Heavy or Assault; empty: the row gives numbers only
  std::string kind;         // mech or vehicle; empty is mech
  std::string factions;     // faction words separated by ";", or all; unused for a vehicle
  std::string rarity;       // common, uncommon, rare, very rare, or a number; empty is common
};

// One row of the list. A number left empty in the row is unknown.
struct DesignNumbers {
  // The name in the table file's spelling; as written when no table names it or no names
  // were given.
  std::string name;
  // Tons in hundredths of a ton (3750 for 37.5 tons), exact: above 0, at most kMostTonsHundredths.
  std::optional<std::int64_t> tonsHundredths;
  // The design's own points, 0 to kMostPoints; crew skills do not change them.
  std::optional<std::int64_t> points;
  // The line (from 1) of the row.
  std::size_t line = 0;
  // The name as the row writes it.
  std::string written;
  // The layout cells as written, blanks around them removed (read by layout_columns.h).
  LayoutCells layout;
};

struct DesignList {
  // The file's name without its folder and extension ("Designs" for Designs.csv).
  std::string name;
  // tableChecksum (table_identity.h) of the rows as "name<TAB>tons<TAB>points" lines (the name
  // folded, tons as tonsText, points in digits, an unknown number empty), sorted by byte and
  // joined by line feeds: the same list written differently (case, row and column order, other
  // columns, line ends, quotes) has the same identity, whatever table file it is read with.
  std::string identity;
  // The rows by folded name (foldedName).
  std::map<std::string, DesignNumbers> designs;

  // The row of `design` in any letter case; none when the list lacks it.
  const DesignNumbers* find(std::string_view design) const;
};

// Whether names in no table are reported: a list the player named warns of them; a list found
// on its own, perhaps beside another table file, does not.
enum class UnknownNames { warn, quiet };

// What a read list holds and what the player should be told about it.
struct DesignListRead {
  DesignList list;
  // "<file>: columns not used: weight_class, notes", once, when the header names other columns.
  std::vector<std::string> notices;
  // "<file>, line N: "Mailfsit" is in no table (nearest: Mailfist, Malachite, 2 Fast); kept",
  // one per name, with UnknownNames::warn.
  std::vector<std::string> warnings;
};

// A further check of each row as it is read, for a reader that asks more of a row than its
// numbers: the row's problems, each "<file>, line N: ...", none for a row it takes.
using DesignRowCheck = std::function<std::vector<std::string>(const DesignNumbers& row)>;

// The list held in `bytes`, named `fileName` in messages and `name` in the result.
// `designNames` are the table file's names (tableDesignNames, and the battle armour's): they give
// a row its spelling and the warnings their nearest names. Rows whose fields are all blank are
// skipped. `check`, when given, is asked of every row that names a design once, and its problems
// are listed with the reader's own, in line order. Throws DesignListError listing every problem:
// more than kMaxDesignListBytes, bytes that are no UTF-8 text or hold a NUL, bytes that are no CSV,
// no header row, a header naming none of kDesignListColumns or no "design" column, a header with no
// rows under it, a row with numbers but no design, one design on two rows (naming both), tons that
// are not a number, not above 0 (a negative number included), over 200 or with more than two
// decimals, points that are not a whole number or out of 0 to 99,999.
DesignListRead readDesignList(std::string_view bytes, const std::string& fileName,
                              const std::string& name, std::span<const std::string> designNames,
                              UnknownNames unknown, const DesignRowCheck& check = {});

// The bytes of the design list at `path`, read by the reader every front end uses. Throws
// DesignListError naming the file when it cannot be read or holds more than
// kMaxDesignListBytes; reading stops there.
std::string designListBytes(const std::filesystem::path& path);

// readDesignList for the file at `path` (designListBytes), named by its path in messages and by
// its stem in the result.
DesignListRead readDesignListFile(const std::filesystem::path& path,
                                  std::span<const std::string> designNames, UnknownNames unknown);

// Tons in hundredths as a person writes them: no trailing zeros, "240", "37.5", "12.25".
std::string tonsText(std::int64_t tonsHundredths);

#endif
