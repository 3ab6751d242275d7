// SPDX-License-Identifier: MIT
#include "roster/kept_files.h"

#include <algorithm>
#include <system_error>

#include "foundation/in_quotes.h"

void KeptFiles::keep(FileKind kind, std::optional<std::filesystem::path> file) {
  std::erase_if(kept_, [kind](const Kept& kept) { return kept.kind.role == kind.role; });
  if (file) kept_.push_back({kind, std::move(*file)});
}

std::optional<std::filesystem::path> KeptFiles::file(FileKind kind) const {
  const auto found = std::find_if(kept_.begin(), kept_.end(),
                                  [kind](const Kept& kept) { return kept.kind.name == kind.name; });
  if (found == kept_.end()) return std::nullopt;
  return found->file;
}

StartingFiles startingFiles(const KeptFiles& kept) {
  std::string gone;
  for (const KeptFiles::Kept& file : kept.files()) {
    std::error_code unknown;
    if (std::filesystem::exists(file.file, unknown)) continue;
    gone += (gone.empty() ? "" : ", ") + ("the " + std::string(file.kind.name) + " ") +
            inQuotes(file.file.string());
  }
  if (gone.empty()) return {kept, ""};
  return {{},
          "Gone since the last run: " + gone +
              ". None of the files of that run are used; the program starts as it does without "
              "them."};
}
