// SPDX-License-Identifier: MIT
#include "roster/sources_words.h"

#include <algorithm>
#include <system_error>

namespace {

std::string wholePath(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return (error ? path : absolute.lexically_normal()).string();
}

}  // namespace

SourcesWords sourcesWords(const std::optional<std::filesystem::path>& tables,
                          const DesignListInUse& designs) {
  SourcesWords words{tables ? tables->filename().string() : "No table file", "No design list",
                     "Table file: " + (tables ? wholePath(*tables) : "none could be read yet") +
                         "\nDesign list: "};
  if (!designs.file) {
    words.whole += "none beside the table file, so tons and points are unknown";
    return words;
  }
  words.designs = designs.file->filename().string();
  words.whole +=
      wholePath(*designs.file) + (designs.chosen ? ", chosen" : ", found beside the table file");
  if (!designs.used) {
    words.designs += " (not used)";
    words.whole += ", not used: it cannot be read";
  }
  return words;
}

std::string refusedDesignListText(const std::filesystem::path& file) {
  return file.filename().string() + " is not used; the design list in use stays. Its problems:";
}

DesignListMatch designListMatch(const DesignListRead& read, const std::filesystem::path& listFile,
                                const std::filesystem::path& tablesFile) {
  const std::string list = listFile.filename().string();
  const std::string tables = tablesFile.filename().string();
  const std::size_t all = read.list.designs.size();
  const std::size_t outside = read.warnings.size();
  if (all == 0) return {list + " holds no design.", false};
  if (outside == 0)
    return {"Every design of " + list + " (" + std::to_string(all) + ") is in a table of " +
                tables + ".",
            false};
  const bool weighed =
      std::any_of(read.list.designs.begin(), read.list.designs.end(),
                  [](const auto& row) { return !row.second.layout.weightClass.empty(); });
  std::string text = outside == all ? "None of the " + std::to_string(all) + " designs of " + list +
                                          " is in a table of " + tables
                                    : std::to_string(outside) + " of the " + std::to_string(all) +
                                          " designs of " + list + (outside == 1 ? " is" : " are") +
                                          " in no table of " + tables;
  text += ", so no force draws " + std::string(outside == 1 ? "it" : "them") + "; " +
          (weighed ? "tables laid out from the list would hold "
                   : "with a weight_class column, tables laid out from the list would hold ") +
          (outside == 1 ? "it." : "them.");
  return {text, weighed};
}
