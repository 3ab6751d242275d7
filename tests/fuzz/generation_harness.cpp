// SPDX-License-Identifier: MIT
// One Generate on fuzzed bytes as the table file, with a fuzzed selection and seed; the odds of
// the same choices when bit 2 of byte 4 (kOddsBit) is set, as they slow each input tenfold.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <system_error>
#include <variant>
#include <vector>

#include "fuzz/harness.h"
#include "generator/choice_lists.h"
#include "generator/generate.h"
#include "generator/owned_draw.h"
#include "odds/force_odds.h"
#include "roster/listing.h"
#include "support/stream_search.h"
#include "tables/collection.h"
#include "tables/table_check.h"
#include "tables/table_error.h"
#include "tables/table_file.h"
#include "tables/table_names.h"

namespace {

namespace fs = std::filesystem;

// The table file every input is written to: a file in memory that vanishes with the process,
// opened by its /proc/self/fd name, so a crashed run leaves nothing behind.
class MemoryTableFile {
 public:
  MemoryTableFile() : fd_(::memfd_create("Tables.dat", MFD_CLOEXEC)) {
    if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "memfd_create");
    path_ = "/proc/self/fd/" + std::to_string(fd_);
  }
  ~MemoryTableFile() { ::close(fd_); }
  MemoryTableFile(const MemoryTableFile&) = delete;
  MemoryTableFile& operator=(const MemoryTableFile&) = delete;

  const fs::path& path() const { return path_; }
  const fs::path& write(std::string_view bytes) const {
    if (::ftruncate(fd_, 0) != 0 ||
        ::pwrite(fd_, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size()))
      throw std::system_error(errno, std::generic_category(), "writing the table file");
    return path_;
  }

 private:
  int fd_;
  fs::path path_;
};

template <std::size_t N>
const char* pick(const std::array<const char*, N>& words, unsigned char byte) {
  return words[byte % N];
}

bool isSkill(char c) {
  return c >= '1' && c <= '7';
}

// What is wrong with the listing of `force`, or "".
std::string listingProblem(const Force& force) {
  const std::vector<apstring> lines = listForce(force);
  const std::size_t slots = static_cast<std::size_t>(force.roster.length());
  const std::size_t perGroup = static_cast<std::size_t>(force.groupSize());
  if (slots == 0 || slots % perGroup != 0)
    return "a roster of " + std::to_string(slots) + " slots in groups of " +
           std::to_string(perGroup);
  if (lines.size() != 4 + slots + slots / perGroup)
    return std::to_string(lines.size()) + " listing lines for " + std::to_string(slots) + " slots";
  const apstring header[] = {force.house, force.size, force.weight, force.experience};
  for (std::size_t k = 0; k < 4; ++k)
    if (lines[k] != header[k]) return std::string("header line \"") + lines[k].c_str() + "\"";
  std::size_t next = 4;
  for (std::size_t slot = 0; slot < slots; ++slot) {
    if (slot % perGroup == 0 && lines[next++] != apstring(" "))
      return "no separator before slot " + std::to_string(slot + 1);
    const std::string line = lines[next++].c_str();
    const Mech& record = force.roster[static_cast<int>(slot)];
    if (record.kind == SlotKind::open) {
      if (line != std::string("(open: no ") + record.weightClass.c_str() + " design left)")
        return "open slot line \"" + line + "\"";
      continue;
    }
    const std::size_t n = line.size();
    if (n < 10 || line.compare(n - 10, 4, " P: ") != 0 || !isSkill(line[n - 6]) ||
        line.compare(n - 5, 4, " G: ") != 0 || !isSkill(line[n - 1]))
      return "slot line \"" + line + "\"";
  }
  return "";
}

// What is wrong with the odds of the same choices on the same bytes, or "": they may refuse
// what the run refused (no `force`), and must hold every design the run drew.
std::string oddsProblem(const Selection& selection, const fs::path& file, const Force* force) {
  OddsReport report;
  try {
    report = computeOdds({selection.house.c_str(), selection.size.c_str(), selection.weight.c_str(),
                          selection.experience.c_str(), selection.withVehicles,
                          selection.collection, selection.unique},
                         readTableFile(file), file.string());
  } catch (const TableError&) {
    return "";
  } catch (const OddsError&) {
    return "";
  }
  if (force == nullptr) return "the odds were given for choices whose run failed";
  const char* kinds[] = {"mech", "vehicle", "battle armour"};
  const std::vector<OddsRow>& designs = report.parts.at(report.parts.size() - 2).rows;
  for (int k = 0; k < force->roster.length(); ++k) {
    const Mech& slot = force->roster[k];
    if (slot.kind == SlotKind::open) continue;  // copies ran out: no one-draw figure counts that
    const std::string kind = kinds[static_cast<int>(slot.kind)];
    const std::string weightClass =
        slot.kind == SlotKind::battleArmour ? force->weight.c_str() : slot.weightClass.c_str();
    if (std::none_of(designs.begin(), designs.end(), [&](const OddsRow& row) {
          return row.source == kind && row.weightClass == weightClass &&
                 row.item == slot.name.c_str() && row.chance.numerator() > 0;
        }))
      return std::string("the odds lack the drawn design \"") + slot.name.c_str() + "\"";
  }
  return "";
}

// What is wrong with the copies `force` holds, or "": a design it does not own, or more
// copies of one than owned.
std::string copiesProblem(const Force& force) {
  if (!force.collection && !force.unique) return "";
  std::map<std::string, int> used;
  for (int k = 0; k < force.roster.length(); ++k) {
    const Mech& slot = force.roster[k];
    if (slot.kind != SlotKind::mech && slot.kind != SlotKind::vehicle) continue;
    const std::string name = slot.name.c_str();
    if (++used[foldedName(name)] > copiesOwned(force.collection, force.unique, name))
      return "more copies of \"" + name + "\" than owned";
  }
  return "";
}

}  // namespace

namespace {

// An input as a run takes it: the choices, the seed, the table part and, where the input holds
// one, the collection, read against the table part's designs.
struct GenerationInput {
  Selection selection;
  std::uint32_t seed = 0;
  std::string tables;
  bool withOdds = false;
};

// The input read, or the problem of its collection part ("" for a refusal as it should be).
std::variant<GenerationInput, std::string> readInput(std::string_view input) {
  const auto byte = [input](std::size_t k) { return static_cast<unsigned char>(input[k]); };
  GenerationInput read;
  read.selection = Selection{pick(kFactionChoices, byte(0)), pick(kSizeChoices, byte(1)),
                             pick(kWeightChoices, byte(2)), pick(kExperienceChoices, byte(3)),
                             (byte(4) & 1) != 0};
  read.selection.unique = (byte(4) & 2) != 0;
  read.withOdds = (byte(4) & kOddsBit) != 0;
  read.seed = byte(5) | byte(6) << 8 | byte(7) << 16 | std::uint32_t{byte(8)} << 24;
  std::string_view tables = input.substr(kSelectionBytes);
  const std::size_t marker = tables.find(kCollectionMarker);
  if (marker != std::string_view::npos) {
    const std::string_view owned = tables.substr(marker + kCollectionMarker.size());
    tables = tables.substr(0, marker);
    try {
      read.selection.collection =
          readCollection(owned, "mine.txt", "mine",
                         tableDesignNames(std::string(tables), "Tables.dat"))
              .collection;
    } catch (const CollectionError& error) {
      if (std::string(error.what()).rfind("mine.txt", 0) != 0)
        return std::string("the collection error does not name the file: ") + error.what();
      return std::string();
    }
  }
  read.tables = tables;
  return read;
}

// The force's listing and faction section, or the TableError's message.
std::string drawn(const std::function<Force()>& draw) {
  try {
    const Force force = draw();
    std::string text = "section at " + std::to_string(force.houseStart) + "\n";
    for (const apstring& line : listForce(force)) text += std::string(line.c_str()) + "\n";
    return text;
  } catch (const TableError& error) {
    return std::string("error: ") + error.what();
  }
}

}  // namespace

namespace {

std::string checkGeneration(std::string_view input, bool withOdds) {
  if (input.size() < kSelectionBytes) return "";
  const auto read = readInput(input);
  if (const std::string* problem = std::get_if<std::string>(&read)) return *problem;
  const GenerationInput& run = std::get<GenerationInput>(read);
  withOdds = withOdds || run.withOdds;

  static const MemoryTableFile memory;
  Force force;
  try {
    memory.write(run.tables);
    force = generateForce(readTableText(memory.path()), run.selection, run.seed);
  } catch (const TableError& error) {
    const fs::path& file = memory.path();
    const std::string message = error.what();
    if (message.rfind(file.string(), 0) != 0)
      return "the table error does not name the file: " + message;
    if (checkTableBytes(run.tables, file.string()).empty())
      return "the table checker passes the file, yet the run failed: " + message;
    return withOdds ? oddsProblem(run.selection, file, nullptr) : "";
  }
  std::string problem = listingProblem(force);
  if (problem.empty()) problem = copiesProblem(force);
  if (problem.empty() && withOdds) problem = oddsProblem(run.selection, memory.path(), &force);
  return problem;
}

}  // namespace

std::string generationProblem(std::string_view input) {
  return checkGeneration(input, false);
}

std::string generationAndOddsProblem(std::string_view input) {
  return checkGeneration(input, true);
}

std::string readingProblem(std::string_view input) {
  if (input.size() < kSelectionBytes) return "";
  const auto read = readInput(input);
  if (const std::string* problem = std::get_if<std::string>(&read)) return *problem;
  const GenerationInput& run = std::get<GenerationInput>(read);
  const TableText tables{run.tables, "Tables.dat"};
  const std::string indexed = drawn([&] { return generateForce(tables, run.selection, run.seed); });
  const std::string streamed = drawn([&] {
    StreamSearches reading(run.tables, "Tables.dat");
    return generateForce(reading, run.selection, run.seed);
  });
  if (indexed == streamed) return "";
  return "the index draws\n" + indexed + "the stream draws\n" + streamed;
}
