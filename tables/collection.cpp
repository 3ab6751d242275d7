// SPDX-License-Identifier: MIT
#include "tables/collection.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "tables/player_file.h"
#include "tables/table_identity.h"

namespace {

struct Entry {
  int count;
  std::string name;
  std::size_t line;
};

// The entry on line `text` (leading blanks removed), none for a blank or comment line or one
// with a problem, which goes to `errors`.
std::optional<Entry> entryOf(std::string_view text, std::size_t line, const std::string& where,
                             std::vector<std::string>& errors) {
  if (text.empty() || text.front() == '#') return std::nullopt;
  const std::size_t digits = text.find_first_not_of("0123456789");
  if (digits == 0 || digits == std::string_view::npos || text[digits] != ' ')
    return Entry{1, std::string(trimmedBlanks(text)), line};
  const std::string_view name = trimmedBlanks(text.substr(digits + 1));
  const std::string_view count = text.substr(0, digits);
  int copies = 0;
  const auto [stop, error] = std::from_chars(count.data(), count.data() + count.size(), copies);
  bool bad = false;
  if (error != std::errc() || copies > kMostCopies) {
    errors.push_back(where + std::to_string(line) + ": the count " + std::string(count) +
                     " is more than " + std::to_string(kMostCopies) + " copies");
    bad = true;
  }
  if (name.empty()) {
    errors.push_back(where + std::to_string(line) + ": the count " + std::string(count) +
                     " names no design; write \"3 Mailfist\"");
    bad = true;
  }
  if (bad) return std::nullopt;
  return Entry{copies, std::string(name), line};
}

}  // namespace

std::string foldedName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

int heldCopies(double count) {
  if (!(count > 0)) return 0;
  return count >= kMostCopies ? kMostCopies : static_cast<int>(count);
}

CollectionRead readCollection(std::string_view bytes, const std::string& fileName,
                              const std::string& name, std::span<const std::string> designNames) {
  if (bytes.size() > kMaxCollectionBytes)
    throw CollectionError(oversizedProblem(fileName, "collection", kMaxCollectionBytes));
  if (!isUtf8Text(bytes))
    throw CollectionError(fileName + ": the file is not text (UTF-8 without NUL bytes)");
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  std::map<std::string, std::string> spelling;
  for (const std::string& design : designNames) spelling.emplace(foldedName(design), design);

  const std::string where = fileName + ", line ";
  CollectionRead read;
  read.collection.name = name;
  std::vector<std::string> errors;
  std::map<std::string, std::size_t> lineOf;
  std::vector<std::string> normalised;
  std::size_t line = 0;
  for (std::size_t start = 0; start <= bytes.size();) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    std::string_view text = bytes.substr(start, end - start);
    if (text.ends_with('\r')) text.remove_suffix(1);
    start = end + 1;
    const std::size_t first = text.find_first_not_of(kLineBlanks);
    const std::optional<Entry> entry =
        entryOf(text.substr(std::min(first, text.size())), ++line, where, errors);
    if (!entry) continue;
    const std::string folded = foldedName(entry->name);
    if (const auto [first, added] = lineOf.emplace(folded, entry->line); !added) {
      errors.push_back(where + std::to_string(entry->line) + ": \"" + entry->name +
                       "\" is already on line " + std::to_string(first->second));
      continue;
    }
    const auto known = spelling.find(folded);
    if (known == spelling.end())
      read.warnings.push_back(where + std::to_string(entry->line) + ": \"" + entry->name +
                              "\" is in no table (" + nearestNames(folded, designNames) +
                              "); kept");
    read.collection.copies.emplace(folded, entry->count);
    read.entries.push_back({known == spelling.end() ? entry->name : known->second, entry->count,
                            known != spelling.end()});
    normalised.push_back(std::to_string(entry->count) + " " +
                         (known == spelling.end() ? folded : known->second));
  }
  if (errors.empty() && normalised.empty())
    errors.push_back(fileName +
                     ": the collection names no design; write one a line, \"3 Mailfist\"");
  if (!errors.empty()) {
    std::string message;
    for (const std::string& error : errors) message += (message.empty() ? "" : "\n") + error;
    throw CollectionError(message);
  }
  std::sort(normalised.begin(), normalised.end());
  std::string joined;
  for (const std::string& entry : normalised) joined += (joined.empty() ? "" : "\n") + entry;
  read.collection.identity = tableChecksum(joined);
  return read;
}

CollectionRead readCollectionFile(const std::filesystem::path& path,
                                  std::span<const std::string> designNames) {
  std::string bytes;
  try {
    bytes = playerFileBytes(path, kMaxCollectionBytes, "collection");
  } catch (const PlayerFileError& error) {
    throw CollectionError(error.what());
  }
  return readCollection(bytes, path.string(), path.stem().string(), designNames);
}

std::string collectionText(std::span<const CollectionEntry> entries) {
  std::string text;
  for (const CollectionEntry& entry : entries)
    if (entry.count > 0) text += std::to_string(entry.count) + " " + entry.name + "\n";
  return text;
}
