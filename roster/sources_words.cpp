// SPDX-License-Identifier: MIT
#include "roster/sources_words.h"

#include <set>
#include <system_error>

#include "tables/collection.h"

namespace {

std::string wholePath(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return (error ? path : absolute.lexically_normal()).string();
}

}  // namespace

SourcesWords sourcesWords(const std::optional<std::filesystem::path>& tables,
                          const ListInUse& designs, const ListInUse& skills) {
  SourcesWords words{tables ? tables->filename().string() : "No table file", "No design list",
                     "No skill table",
                     "Table file: " + (tables ? wholePath(*tables) : "none could be read yet")};
  // One line of `whole` for the list `list`, and its name.
  const auto name = [&words](const ListInUse& list, std::string& named, const std::string& line,
                             const std::string& unknown) {
    words.whole += "\n" + line + ": ";
    if (!list.file) {
      words.whole += "none beside the table file, so " + unknown + " unknown";
      return;
    }
    named = list.file->filename().string();
    words.whole +=
        wholePath(*list.file) + (list.chosen ? ", chosen" : ", found beside the table file");
    if (!list.used) {
      named += " (not used)";
      words.whole += ", not used: it cannot be read";
    }
  };
  name(designs, words.designs, "Design list", "tons and points are");
  name(skills, words.skills, "Skill table", "points with crew skill are");
  return words;
}

std::string refusedDesignListText(const std::filesystem::path& file) {
  return file.filename().string() + " is not used; the design list in use stays. Its problems:";
}

std::string refusedSkillTableText(const std::filesystem::path& file) {
  return file.filename().string() + " is not used; the skill table in use stays. Its problems:";
}

std::string chosenSkillTableText(const std::filesystem::path& file) {
  return file.filename().string() + " is in use; it names crews that no rule table rolls:";
}

DesignListMatch designListMatch(const DesignList& list, std::span<const std::string> slotNames,
                                const std::filesystem::path& listFile,
                                const std::filesystem::path& tablesFile) {
  const std::string name = listFile.filename().string();
  const std::string tables = tablesFile.filename().string();
  std::set<std::string> held;
  for (const std::string& slot : slotNames) held.insert(foldedName(slot));
  const std::size_t all = list.designs.size();
  std::size_t outside = 0;
  bool weighed = false;
  for (const auto& [folded, row] : list.designs) {
    if (held.contains(folded)) continue;
    ++outside;
    weighed = weighed || !row.layout.weightClass.empty();
  }
  if (all == 0) return {name + " holds no design.", false};
  if (outside == 0)
    return {"Every design of " + name + " (" + std::to_string(all) + ") is in a table of " +
                tables + ".",
            false};
  std::string text = outside == all ? "None of the " + std::to_string(all) + " designs of " + name +
                                          " is in a table of " + tables
                                    : std::to_string(outside) + " of the " + std::to_string(all) +
                                          " designs of " + name + (outside == 1 ? " is" : " are") +
                                          " in no table of " + tables;
  text += ", so no force draws " + std::string(outside == 1 ? "it" : "them") + "; " +
          (weighed ? "tables laid out from the list would hold "
                   : "with a weight_class column, tables laid out from the list would hold ") +
          (outside == 1 ? "it." : "them.");
  return {text, weighed};
}
