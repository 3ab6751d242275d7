// SPDX-License-Identifier: MIT
#include "roster/files_in_use.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "foundation/in_quotes.h"
#include "roster/roster_file.h"

namespace fs = std::filesystem;

void FilesInUse::hold(FileKind kind, std::optional<fs::path> file) {
  std::erase_if(held_, [kind](const Held& held) { return held.kind.role == kind.role; });
  if (file) add(kind, std::move(*file));
}

void FilesInUse::add(FileKind kind, fs::path file) {
  held_.push_back({kind, std::move(file)});
}

std::optional<fs::path> FilesInUse::file(FileKind kind) const {
  const auto found = std::find_if(held_.begin(), held_.end(),
                                  [kind](const Held& held) { return held.kind.role == kind.role; });
  if (found == held_.end()) return std::nullopt;
  return found->file;
}

void FilesInUse::refuseSave(const fs::path& target, std::optional<FileKind> editing) const {
  for (const Held& held : held_) {
    if (editing && held.kind.name == editing->name) continue;
    std::error_code unknown;
    if (fs::equivalent(target, held.file, unknown))
      throw SaveError(inQuotes(target.string()) + " was not saved: it is the " +
                      std::string(held.kind.name) + " in use, " +
                      inQuotes(fs::absolute(held.file, unknown).string()) +
                      "; choose another name");
  }
}

void FilesInUse::saveLines(const std::string& target, const std::vector<apstring>& lines,
                           std::optional<FileKind> editing) const {
  refuseSave(target, editing);
  ::saveLines(target, lines);
}

void FilesInUse::saveBytes(const std::string& target, std::string_view bytes,
                           std::optional<FileKind> editing) const {
  refuseSave(target, editing);
  ::saveBytes(target, bytes);
}
