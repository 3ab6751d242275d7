// SPDX-License-Identifier: MIT
#include "roster/skill_source.h"

#include "generator/crew_skills.h"
#include "tables/table_location.h"

namespace {

template <class Read>
FoundSkillTable foundAs(const std::filesystem::path& file, Read read) {
  try {
    return {read().table, "", file};
  } catch (const SkillTableError& error) {
    return {std::nullopt, file.string() + " is not used:\n" + error.what(), file};
  }
}

}  // namespace

FoundSkillTable foundSkillTable(const std::filesystem::path& tables) {
  const std::optional<std::filesystem::path> path = locateSkillTable(tables);
  if (!path) return {};
  return foundAs(*path, [&] { return readSkillTableFile(*path, {}); });
}

FoundSkillTable foundSkillTable(std::string_view bytes, const std::filesystem::path& file) {
  return foundAs(file,
                 [&] { return readSkillTable(bytes, file.string(), file.stem().string(), {}); });
}

SkillTableRead readChosenSkillTable(const std::filesystem::path& path) {
  return readSkillTableFile(path, rolledCrewPairs());
}
