// One Generate on fuzzed bytes as the table file, with a fuzzed selection and seed.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "fuzz/harness.h"
#include "generator/choice_lists.h"
#include "generator/generate.h"
#include "tables/table_check.h"
#include "tables/table_error.h"
#include "ui/listing.h"

namespace {

namespace fs = std::filesystem;

// The table file that every input is written to, in a folder of this process's own that is
// removed at exit.
class ScratchTableFile {
 public:
  ScratchTableFile() {
    std::error_code error;
    const fs::path base =
        fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    folder_ = base / ("musterwright-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    file_ = folder_ / "Tables.dat";
  }
  ~ScratchTableFile() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  ScratchTableFile(const ScratchTableFile&) = delete;
  ScratchTableFile& operator=(const ScratchTableFile&) = delete;

  const fs::path& write(std::string_view bytes) const {
    std::ofstream(file_, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file_;
  }

 private:
  fs::path folder_;
  fs::path file_;
};

template <std::size_t N>
const char* pick(const char* const (&words)[N], unsigned char byte) {
  return words[byte % N];
}

bool isSkill(char c) {
  return c >= '1' && c <= '7';
}

// What is wrong with the listing of the force that the last run left, or "".
std::string listingProblem() {
  const std::vector<apstring> lines = listForce();
  const std::size_t slots = static_cast<std::size_t>(roster.length());
  const std::size_t perGroup = static_cast<std::size_t>(groupSize());
  if (slots == 0 || slots % perGroup != 0)
    return "a roster of " + std::to_string(slots) + " slots in groups of " +
           std::to_string(perGroup);
  if (lines.size() != 4 + slots + slots / perGroup)
    return std::to_string(lines.size()) + " listing lines for " + std::to_string(slots) + " slots";
  const apstring header[] = {house, size, weight, experience};
  for (std::size_t k = 0; k < 4; ++k)
    if (lines[k] != header[k]) return std::string("header line \"") + lines[k].c_str() + "\"";
  std::size_t next = 4;
  for (std::size_t slot = 0; slot < slots; ++slot) {
    if (slot % perGroup == 0 && lines[next++] != apstring(" "))
      return "no separator before slot " + std::to_string(slot + 1);
    const std::string line = lines[next++].c_str();
    const std::size_t n = line.size();
    if (n < 10 || line.compare(n - 10, 4, " P: ") != 0 || !isSkill(line[n - 6]) ||
        line.compare(n - 5, 4, " G: ") != 0 || !isSkill(line[n - 1]))
      return "slot line \"" + line + "\"";
  }
  return "";
}

}  // namespace

std::string generationProblem(std::string_view input) {
  if (input.size() < kSelectionBytes) return "";
  const auto byte = [input](std::size_t k) { return static_cast<unsigned char>(input[k]); };
  const Selection selection{pick(kFactionChoices, byte(0)), pick(kSizeChoices, byte(1)),
                            pick(kWeightChoices, byte(2)), pick(kExperienceChoices, byte(3)),
                            (byte(4) & 1) != 0};
  const std::uint32_t seed = byte(5) | byte(6) << 8 | byte(7) << 16 | std::uint32_t{byte(8)} << 24;
  const std::string_view tables = input.substr(kSelectionBytes);

  static const ScratchTableFile scratch;
  const fs::path& file = scratch.write(tables);
  try {
    openTableFile(file);
    generateForce(selection, seed);
  } catch (const TableError& error) {
    const std::string message = error.what();
    if (message.rfind(file.string(), 0) != 0)
      return "the table error does not name the file: " + message;
    if (checkTableBytes(tables, file.string()).empty())
      return "the table checker passes the file, yet the run failed: " + message;
    return "";
  }
  return listingProblem();
}
