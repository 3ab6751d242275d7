// The Generate command without its window: turns a selection into a filled roster. The
// selection words, flags, table file and roster are process-wide globals, as every front
// end lists the force from them after a run.
#ifndef MUSTERWRIGHT_GENERATOR_GENERATE_H
#define MUSTERWRIGHT_GENERATOR_GENERATE_H

#include <cstdint>
#include <filesystem>
#include <ios>
#include <sstream>
#include <stdexcept>

#include "foundation/apstring.h"
#include "foundation/apvector.h"
#include "foundation/mech.h"
#include "generator/dice.h"

// The selection, as resolved by the last run ("Random" replaced by the rolled word where a
// roll resolved it).
extern apstring house, size, experience, weight;
// The open table file, read whole into memory when it is opened so that the searches seek
// without touching the disk; the buffer every line read from it lands in; the listing buffer.
extern std::istringstream tableFile;
extern apstring tableLine, listLine;
// The force of the last run: one record per slot, groups of `groupSize()` end to end.
extern apvector<Mech> roster;
extern bool withVehicles, isClan;
// Byte offset just after the selected faction's heading line in the table file.
extern std::streamoff houseStart;

// The slots of a group: 5 per star in a Clan force, 4 per lance in a House force.
inline int groupSizeFor(bool clan) {
  return clan ? 5 : 4;
}
// The group size of the last run's force.
inline int groupSize() {
  return groupSizeFor(isClan);
}

// The choices of one run: each word as listed in its drop-down list, "Random", or empty
// (empty counts as "Random").
struct Selection {
  apstring house, size, weight, experience;
  bool withVehicles = false;
};

// A selection that cannot be generated: a size word that is in no list.
class SelectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Opens `path` read-only and takes its bytes as `tableFile` (dropping any file open before).
// Throws TableError as readTableFile (tables/table_file.h) does; no table file is open then.
void openTableFile(const std::filesystem::path& path);

// The path of the open table file, for messages.
const std::filesystem::path& tableFileName();

// One Generate run with the dice seeded by `seed`, or answered by `dice`: resolves the
// selection into the globals, sizes `roster` and fills every slot. Throws TableError when
// the table file lacks what a search needs, SelectionError for an unknown size word; the
// roster is then unfit for listing, and the next run starts afresh.
void generateForce(const Selection& selection, std::uint32_t seed);
void generateForce(const Selection& selection, DiceSource dice);

#endif
