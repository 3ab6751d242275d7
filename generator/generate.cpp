#include "generator/generate.h"

#include <string>

#include "generator/formation.h"
#include "generator/rule_tables.h"
#include "tables/table_error.h"
#include "tables/table_file.h"
#include "tables/table_search.h"

namespace {

std::filesystem::path openedName = "Tables.dat";
bool tableFileOpen = false;
// Why no table file is open, for the runs that find none.
std::string openProblem = "no table file has been opened";

apstring orRandom(const apstring& word) {
  return word.length() == 0 ? apstring("Random") : word;
}

// Group count of a listed size word, or "Random" rolled on the force's size table.
int resolveGroupCount() {
  if (size == apstring("Random")) {
    const SizeRow& row =
        isClan ? rowFor(kClanSizes, roll(5) + 1) : rowFor(kHouseSizes, roll(4) + 1);
    size = row.size;
    return row.groups;
  }
  for (const SizeWord& entry : kSizeWords) {
    if (size == apstring(entry.word)) return entry.groups;
  }
  std::string expected;
  for (const SizeWord& entry : kSizeWords) expected.append(entry.word).append(", ");
  throw SelectionError(std::string("unknown unit size \"") + size.c_str() + "\": expected " +
                       expected + "or Random");
}

}  // namespace

void openTableFile(const std::filesystem::path& path) {
  tableFileOpen = false;
  tableFile.str("");
  openedName = path;
  try {
    tableFile.str(readTableFile(path));
  } catch (const TableError& error) {
    openProblem = error.what();
    throw;
  }
  tableFile.clear();
  tableFileOpen = true;
}

const std::filesystem::path& tableFileName() {
  return openedName;
}

void generateForce(const Selection& selection, std::uint32_t seed) {
  generateForce(selection, seededDice(seed));
}

void generateForce(const Selection& selection, DiceSource dice) {
  if (!tableFileOpen) throw TableError(openProblem);
  useDice(std::move(dice));
  tableLine = " ";
  listLine = " ";
  withVehicles = selection.withVehicles;
  isClan = false;
  house = orRandom(selection.house);
  size = orRandom(selection.size);
  experience = orRandom(selection.experience);
  weight = orRandom(selection.weight);

  for (const HouseRow& row : kHouses) {
    if (row.clan && house == apstring(row.house)) isClan = true;
  }
  const int houseRoll = roll(10) + 1;
  if (house == apstring("Random")) {
    const HouseRow& row = rowFor(kHouses, houseRoll);
    house = row.house;
    isClan = row.clan;
  }

  const int groupCount = resolveGroupCount();
  roster.resize(groupCount * groupSize());

  if (weight == apstring("Random") && groupCount == 1) {
    const WeightRow& row = rowFor(kWeights, twoD6());
    weight = isClan ? row.clan : row.house;
  }
  if (experience == apstring("Random")) experience = rowFor(kExperiences, twoD6()).word;

  const std::string fileName = tableFileName().string();
  TableReader reader{tableFile, tableLine, fileName};
  houseStart = findFaction(reader, house);
  formUnit(groupCount);
}
