// The page's one way into the engine: every choice list, force, listing, table file check and
// saved text the page shows comes from these functions, so a force drawn in the browser is the
// same bytes as in the window and on the command line. Each function returns what the page
// shows; none throws into the page. Failures come back as the texts the page shows.
//
// The shipped table file lies in the module's file system at /shipped/Tables.dat; a table file
// the user chooses is written to /chosen/ under its own name, so that every message names the
// file as the user knows it.
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <unistd.h>

#include <charconv>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "generator/choice_lists.h"
#include "generator/generate.h"
#include "generator/table_text.h"
#include "roster/listing.h"
#include "roster/roster_file.h"
#include "tables/table_check.h"
#include "tables/table_error.h"

namespace {

using emscripten::val;

namespace fs = std::filesystem;

const fs::path kShippedFolder = "/shipped";
const fs::path kChosenFolder = "/chosen";

// The table file every Generate draws from: the shipped one, or the user's sound one.
TableText tablesInUse;

template <typename Words>
val arrayOf(const Words& words) {
  val array = val::array();
  for (const auto& word : words) array.call<void>("push", std::string(word));
  return array;
}

// The items of the list whose control is named `control`, in list order; none for another name.
val choiceList(const std::string& control) {
  if (control == "HouseBox") return arrayOf(kFactionChoices);
  if (control == "SizeBox") return arrayOf(kSizeChoices);
  if (control == "ExperienceBox") return arrayOf(kExperienceChoices);
  if (control == "WeightBox") return arrayOf(kWeightChoices);
  return val::array();
}

// The seed typed (blanks around it ignored), a fresh one for an empty text, none for a text
// that is not a whole number from 0 to 4294967295.
std::optional<std::uint32_t> seedFrom(std::string_view typed) {
  const auto first = typed.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::random_device{}();
  typed = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
  std::uint32_t seed = 0;
  const auto [stop, error] = std::from_chars(typed.data(), typed.data() + typed.size(), seed);
  if (error != std::errc() || stop != typed.data() + typed.size()) return std::nullopt;
  return seed;
}

// {seed, listing} for a Generate run with the chosen words (empty counts as "Random"), the
// listing's lines joined by line feeds; or {error} with the reason, when nothing was drawn.
val generateListing(const std::string& house, const std::string& size, const std::string& weight,
                    const std::string& experience, bool vehicles, const std::string& seedText) {
  val result = val::object();
  const std::optional<std::uint32_t> seed = seedFrom(seedText);
  if (!seed) {
    result.set("error",
               "The seed is a whole number from 0 to 4294967295; \"" + seedText + "\" is not one.");
    return result;
  }
  try {
    const Force force = generateForce(
        tablesInUse,
        Selection{house.c_str(), size.c_str(), weight.c_str(), experience.c_str(), vehicles},
        *seed);
    std::string listing;
    for (const apstring& line : listForce(force)) listing.append(line.c_str()).push_back('\n');
    listing.pop_back();
    result.set("seed", static_cast<double>(*seed));
    result.set("listing", listing);
  } catch (const std::exception& error) {
    result.set("error", std::string(error.what()));
  }
  return result;
}

// Makes `name` in `folder` the table file in use, named by `name` alone in messages. Throws
// TableError as readTableText does; the table file in use then stays.
void openIn(const fs::path& folder, const fs::path& name) {
  if (chdir(folder.c_str()) != 0) throw TableError(folder.string() + ": cannot be entered");
  tablesInUse = readTableText(name);
}

// Checks `bytes`, the content of the user's file `name`, and makes it the table file in use
// when it is sound. Returns its problems, each "<name>, line N: ..." or "<name>: ...", in order;
// none when it is now in use. A file with problems changes nothing.
val useTables(const std::string& bytes, const std::string& name) {
  std::vector<std::string> problems;
  fs::path fileName = fs::path(name).filename();
  if (fileName.empty() || fileName == "." || fileName == "..") fileName = "Tables.dat";
  try {
    fs::create_directories(kChosenFolder);
    std::ofstream(kChosenFolder / fileName, std::ios::binary | std::ios::trunc) << bytes;
    if (chdir(kChosenFolder.c_str()) != 0) throw TableError(name + ": cannot be stored");
    problems = checkTableFile(fileName);
    if (problems.empty()) openIn(kChosenFolder, fileName);
  } catch (const std::exception& error) {
    problems.assign(1, error.what());
  }
  return arrayOf(problems);
}

// Makes the shipped table file the one in use; returns "" or the reason it could not be.
std::string useShippedTables() {
  try {
    openIn(kShippedFolder, "Tables.dat");
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

// The text a save writes for the listing box's `text`, edits included: every line followed
// by CR LF, as the window saves it.
std::string savedText(const std::string& text) {
  std::string saved;
  for (const apstring& line : textLines(text))
    saved.append(line.c_str(), static_cast<std::size_t>(line.length())).append("\r\n");
  return saved;
}

}  // namespace

EMSCRIPTEN_BINDINGS(musterwright) {
  emscripten::function("choiceList", &choiceList);
  emscripten::function("generateListing", &generateListing);
  emscripten::function("useTables", &useTables);
  emscripten::function("useShippedTables", &useShippedTables);
  emscripten::function("savedText", &savedText);
}
