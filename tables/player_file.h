// SPDX-License-Identifier: MIT
// What the files a player writes by hand (a collection, a design list) share: the test that
// their bytes are text, their reading with a bound on size, and the names suggested for a
// design that no table names.
#ifndef MUSTERWRIGHT_TABLES_PLAYER_FILE_H
#define MUSTERWRIGHT_TABLES_PLAYER_FILE_H

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A player's file that cannot be read: its message names the file and what went wrong.
class PlayerFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The byte-order mark a UTF-8 file may begin with, which readers skip.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// The blanks around a name or a field that readers ignore: spaces and tabs.
inline constexpr std::string_view kLineBlanks = " \t";

// `text` without the blanks (kLineBlanks) at either end. Never throws.
inline std::string_view trimmedBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kLineBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kLineBlanks) - first + 1);
}

// Whether `bytes` are UTF-8 text: well-formed sequences, no NUL. Never throws.
bool isUtf8Text(std::string_view bytes);

// What is said of the file `fileName` holding more than `maxBytes`, the bound on a file of its
// `kind`, whether read from disk or handed over as bytes: "<fileName>: the file is too large for
// a <kind> (over 1 MiB)".
std::string oversizedProblem(const std::string& fileName, const std::string& kind,
                             std::uintmax_t maxBytes);

// The bytes of the file at `path`. Throws PlayerFileError naming the file when it is a folder,
// cannot be opened or read, or holds more than `maxBytes` (oversizedProblem); reading stops at
// the bound, so an endless stream ends too.
std::string playerFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes,
                            const std::string& kind);

// The three design names of `designNames` (fewer when it holds fewer) nearest to `name` in
// spelling, letter case aside, nearest first; among names as near, the earlier one first.
std::vector<std::string> nearestDesignNames(std::string_view name,
                                            std::span<const std::string> designNames);

// "nearest: A, B, C": the three names of `designNames` closest to the folded name `folded` by
// edit distance, ties in the given order; "the table file names no design" when there is none.
std::string nearestNames(const std::string& folded, std::span<const std::string> designNames);

#endif
