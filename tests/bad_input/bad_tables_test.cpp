// SPDX-License-Identifier: MIT
// Broken table files, as a hand edit or a bad copy leaves them, fed to the core and to
// musterwright-cli: every one ends in a TableError, or exit status 1, with a message naming the
// file and what is wrong, nothing on standard output, within seconds.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"
#include "tables/table_check.h"
#include "tables/table_error.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

const std::string kShipped = bytesOf(SHIPPED_TABLES);

// One run's choices, for the core and for the command line alike.
struct Choice {
  std::string faction, size, weight, experience;
  bool vehicles = false;
  std::uint32_t seed = 1;

  std::vector<std::string> args(const fs::path& tables) const {
    std::vector<std::string> words{
        "--faction", faction,        "--size",   size,     "--weight",
        weight,      "--experience", experience, "--seed", std::to_string(seed),
        "--tables",  tables.string()};
    if (vehicles) words.push_back("--vehicles");
    return words;
  }
  Selection selection() const {
    return {faction.c_str(), size.c_str(), weight.c_str(), experience.c_str(), vehicles};
  }
};

const Choice kKuritaLance{"Kurita", "Lance", "Light", "Regular"};

// The message of the TableError that opening `tables` and generating `choice` throws.
std::string coreFailure(const fs::path& tables, const Choice& choice) {
  try {
    generateForce(readTableText(tables), choice.selection(), choice.seed);
  } catch (const TableError& error) {
    return error.what();
  }
  return "(no TableError)";
}

// Runs musterwright-cli on `args` and expects a failure with status 1, quiet standard output,
// and `message` on standard error.
void expectCliFailure(const std::vector<std::string>& args, const std::string& message,
                      const std::string& what, bool asOrdinaryUser = false) {
  RunSetting setting;
  setting.asOrdinaryUser = asOrdinaryUser;
  const RunResult run = runProgram(CLI_PROGRAM, args, setting);
  EXPECT_FALSE(run.hung) << what;
  EXPECT_EQ(run.status, 1) << what << "\n" << run.err;
  EXPECT_EQ(run.out, "") << what;
  EXPECT_NE(run.err.find(message), std::string::npos)
      << what << "\nexpected: " << message << "\nfound: " << run.err;
}

// A broken table file: how to make it, the run that meets the fault, and what the run's and
// the checker's messages must say. "@" stands for the file's path. --fit-tables reports what
// the checker does, unless the fault is one that it mends.
struct BadTable {
  std::string what;
  std::function<fs::path(const ScratchFolder&)> make;
  Choice choice;
  std::string runMessage;
  std::string checkMessage;
  bool unreadable = false;
  bool mendable = false;
};

std::string withPath(std::string text, const fs::path& path) {
  if (const std::size_t at = text.find('@'); at != std::string::npos)
    text.replace(at, 1, path.string());
  return text;
}

std::function<fs::path(const ScratchFolder&)> file(std::string bytes) {
  return [bytes = std::move(bytes)](const ScratchFolder& folder) {
    return folder.write("Tables.dat", bytes);
  };
}

std::string randomBytes(std::size_t count) {
  std::mt19937 engine(7);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(engine() & 0xff);
  return bytes;
}

// The shipped file without the section of `faction`: its heading and the 48 lines after it.
std::string withoutSection(const std::string& faction) {
  const std::size_t start = kShipped.find("\n" + faction + "\n") + 1;
  std::size_t end = start;
  for (int line = 0; line < 49; ++line) end = kShipped.find('\n', end) + 1;
  return kShipped.substr(0, start) + kShipped.substr(end);
}

// `text` with its vehicle section `shift` bytes away from where it stood: lines of filler put
// before everything, or filler dashes taken out of the lines just before the vehicle section
// (their line feeds stay).
std::string vehiclesShifted(std::string text, long shift) {
  if (shift >= 0) {
    std::string lines;
    while (lines.size() + 40 <= static_cast<std::size_t>(shift))
      lines += std::string(39, '-') + "\n";
    return lines + std::string(static_cast<std::size_t>(shift) - lines.size(), '-') + text;
  }
  std::size_t at = text.find("\nVehicles\n");
  for (long k = 0; k < -shift; ++k) {
    while (text[at - 1] != '-') --at;
    text.erase(--at, 1);
  }
  return text;
}

std::string vehiclesMoved(long shift) {
  return vehiclesShifted(kShipped, shift);
}

TEST(BadTables, EachFailsWithItsReasonQuietlyAndWithStatusOne) {
  // The number of the last line of a file that holds `text`.
  const auto lastLine = [](const std::string& text) {
    const bool open = !text.empty() && text.back() != '\n';
    return std::to_string(std::count(text.begin(), text.end(), '\n') + (open ? 1 : 0));
  };
  const std::string kuritaMissing = "@: the faction heading \"Kurita\" is missing";
  const std::string binary = randomBytes(1 << 16);
  const Choice wolfStar{"Wolf", "Star", "Heavy", "Elite"};
  const Choice kuritaRegement{"Kurita", "Regement", "Random", "Green", true};
  std::vector<BadTable> cases;
  cases.push_back({"a missing file", [](const ScratchFolder& f) { return f.path() / "Tables.dat"; },
                   kKuritaLance, "@: cannot be opened for reading: No such file or directory",
                   "@: cannot be opened for reading: No such file or directory"});
  const std::string empty =
      "@: the file is empty; it must hold the 10 faction sections and the vehicle section at "
      "byte 7038";
  cases.push_back({"an empty file", file(""), kKuritaLance, empty, empty});
  cases.push_back({"a folder",
                   [](const ScratchFolder& f) {
                     fs::create_directory(f.path() / "Tables.dat");
                     return f.path() / "Tables.dat";
                   },
                   kKuritaLance, "@: is a folder, not a table file",
                   "@: is a folder, not a table file"});
  cases.push_back({"a file without read permission",
                   [](const ScratchFolder& f) {
                     const fs::path path = f.write("Tables.dat", kShipped);
                     fs::permissions(path, fs::perms::owner_write);
                     return path;
                   },
                   kKuritaLance, "@: cannot be opened for reading: Permission denied",
                   "@: cannot be opened for reading: Permission denied", true});
  cases.push_back({"binary bytes", file(binary), wolfStar,
                   "@: the faction heading \"Wolf\" is missing: the end of the file (line " +
                       lastLine(binary) + ") came first",
                   "@, line " + lastLine(binary) + ": the file ends without the heading \"Wolf\""});
  const std::string nulBytes =
      "@: the file is not text; half or more of its first kilobyte is NUL bytes (1024 of 1024)";
  cases.push_back(
      {"NUL bytes only", file(std::string(1 << 16, '\0')), kKuritaLance, nulBytes, nulBytes});
  const std::string noLineFeed = "@: the file is not text; its first kilobyte holds no line feed";
  cases.push_back({"a 1 MB line without a line feed", file(std::string(1 << 20, 'x')), kKuritaLance,
                   noLineFeed, noLineFeed});
  cases.push_back(
      {"CR LF line ends", file(withCrLf(kShipped)), kKuritaLance,
       kuritaMissing + ": the end of the file (line " + lastLine(kShipped) +
           ") came first; the file has CR LF line ends, and its lines must end in a "
           "line feed alone",
       "@, line 1: the line ends in CR LF (" + lastLine(kShipped) + " such lines in all)", false,
       true});
  cases.push_back({"the vehicle section 100 bytes early", file(vehiclesMoved(-100)), kuritaRegement,
                   "@: no \"Light\" table in the vehicle section, which starts at line 545: the "
                   "end of the file (line " +
                       lastLine(kShipped) + ") came first",
                   "@, line 545: byte 7038, where the vehicle section must begin, falls inside "
                   "this line",
                   false, true});
  for (const std::string& faction : kFactions) {
    const std::string bytes = withoutSection(faction);
    const Choice choice{faction, "Lance", "Medium", "Veteran"};
    cases.push_back(
        {"no " + faction + " section", file(bytes), choice,
         "@: the faction heading \"" + faction + "\" is missing",
         "@, line " + lastLine(bytes) + ": the file ends without the heading \"" + faction + "\""});
  }

  for (const BadTable& c : cases) {
    const ScratchFolder folder;
    const fs::path path = c.make(folder);
    if (c.unreadable && !ordinaryUserAvailable()) {
      std::cerr << "skipped " << c.what << ": root cannot give up its rights here\n";
      continue;
    }
    // Root reads any file, so the core's own check of permissions only bites for others.
    if (!c.unreadable || ::geteuid() != 0) {
      const std::string error = coreFailure(path, c.choice);
      EXPECT_NE(error.find(withPath(c.runMessage, path)), std::string::npos)
          << c.what << "\nexpected: " << withPath(c.runMessage, path) << "\nfound: " << error;
    }
    expectCliFailure(c.choice.args(path), "musterwright-cli: " + withPath(c.runMessage, path),
                     c.what, c.unreadable);
    expectCliFailure({"--check-tables", path.string()}, withPath(c.checkMessage, path),
                     c.what + " (checked)", c.unreadable);

    const fs::path fitted = folder.path() / "Fitted.dat";
    if (c.mendable) {
      const RunResult fit = runProgram(CLI_PROGRAM, {"--fit-tables", path.string()});
      EXPECT_EQ(fit.status, 0) << c.what << "\n" << fit.err;
      EXPECT_EQ(checkTableBytes(fit.out, "T"), std::vector<std::string>{}) << c.what;
    } else {
      expectCliFailure({"--fit-tables", path.string(), "--out", fitted.string()},
                       withPath(c.checkMessage, path), c.what + " (fitted)", c.unreadable);
      EXPECT_FALSE(fs::exists(fitted)) << c.what;
    }
  }
}

// Where each table of the shipped file stands: its owner ("" for the vehicle section), its
// weight word, its heading's line number and the byte offset just after the heading.
struct TablePlace {
  std::string owner, weight;
  int headingLine;
  std::size_t entriesStart;
};

std::vector<TablePlace> shippedTables() {
  std::vector<TablePlace> tables;
  std::string owner;
  std::size_t start = 0;
  for (int line = 1; start < kShipped.size(); ++line) {
    const std::size_t end = kShipped.find('\n', start);
    const std::string text = kShipped.substr(start, end - start);
    if (start >= static_cast<std::size_t>(vehicleStart)) owner = "";
    for (const std::string& faction : kFactions)
      if (text == faction) owner = faction;
    for (const std::string& weight : kWeightWords)
      if (text == weight) tables.push_back({owner, weight, line, end + 1});
    start = end + 1;
  }
  return tables;
}

// The shipped file cut off after `entries` entries of `table`.
std::string cutAfter(const TablePlace& table, int entries) {
  std::size_t end = table.entriesStart;
  for (int k = 0; k < entries; ++k) end = kShipped.find('\n', end) + 1;
  return kShipped.substr(0, end);
}

TEST(BadTables, EveryTableCutShortFailsAtThatTable) {
  const std::vector<TablePlace> tables = shippedTables();
  ASSERT_EQ(tables.size(), 44u);
  // Every roll at its highest, but vehicles taken: one lance or star of the table's weight rolls
  // composition die 6, whose slots come lightest first, and every entry roll is 12.
  const DiceSource highest = [](int n) { return n == 5 ? 0 : n - 1; };
  const ScratchFolder folder;
  for (const TablePlace& table : tables) {
    const bool vehicles = table.owner.empty();
    const std::string faction = vehicles ? "Kurita" : table.owner;
    const std::string name = vehicles ? "vehicle table \"" + table.weight + "\""
                                      : "table \"" + table.weight + "\" of \"" + faction + "\"";
    const Selection selection{faction.c_str(), "Lance", table.weight.c_str(), "Elite", vehicles};
    for (int entries = 0; entries <= 10; ++entries) {
      const fs::path path = folder.write("Tables.dat", cutAfter(table, entries));
      std::string error = "(no TableError)";
      try {
        generateForce(readTableText(path), selection, highest);
      } catch (const TableError& e) {
        error = e.what();
      }
      EXPECT_EQ(error, path.string() + ", line " + std::to_string(table.headingLine) +
                           ": table \"" + table.weight + "\" has " + std::to_string(entries) +
                           " entries before the end of the file; entry 11 was rolled, 11 "
                           "expected")
          << name << " cut after " << entries << " entries";
    }

    // The command line, on the table cut right after its heading: every group of the table's
    // weight has a slot of that weight, so the run cannot miss the cut.
    const fs::path path = folder.write("Tables.dat", cutAfter(table, 0));
    const Choice choice = vehicles ? Choice{"Kurita", "Regement", "Random", "Green", true}
                                   : Choice{faction, "Lance", table.weight, "Green"};
    const std::string headingLine = path.string() + ", line " + std::to_string(table.headingLine);
    expectCliFailure(choice.args(path),
                     vehicles ? "the end of the file"
                              : headingLine + ": table \"" + table.weight +
                                    "\" has 0 entries before the end of the file",
                     name);
    expectCliFailure({"--check-tables", path.string()},
                     headingLine + ": " + name + " has 0 entries, 11 expected",
                     name + " (checked)");
  }
}

TEST(BadTables, TwentyMegabytesWithoutAHeadingFailWithinSeconds) {
  std::string bytes;
  const std::string filler(63, '-');
  while (bytes.size() < (20u << 20)) bytes += filler + "\n";
  const ScratchFolder folder;
  const fs::path path = folder.write("Tables.dat", bytes);
  RunSetting setting;
  setting.deadline = seconds(30 * SLOWDOWN);
  const std::string lines = std::to_string(bytes.size() / 64);
  const std::pair<std::vector<std::string>, std::string> runs[] = {
      {kKuritaLance.args(path),
       path.string() + ": the faction heading \"Kurita\" is missing: the end of the file (line " +
           lines + ") came first"                                                          },
      {{"--check-tables", path.string()},
       path.string() + ", line " + lines + ": the file ends without the heading \"Kurita\""},
  };
  for (const auto& [args, message] : runs) {
    const RunResult run = runProgram(CLI_PROGRAM, args, setting);
    ASSERT_FALSE(run.hung) << args.front();
    EXPECT_LT(run.took, seconds(10 * SLOWDOWN)) << args.front();
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
}

TEST(BadTables, AnEndlessOrOversizedFileIsRefusedBeforeItExhaustsMemory) {
  RunSetting setting;
  setting.deadline = seconds(30);
  const std::string refused = "/dev/zero: holds more than 64 MiB, which no table file does";
  for (const auto& args : std::vector<std::vector<std::string>>{
           kKuritaLance.args("/dev/zero"), {"--check-tables", "/dev/zero"}
  }) {
    const RunResult run = runProgram(CLI_PROGRAM, args, setting);
    ASSERT_FALSE(run.hung) << args.back();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "musterwright-cli: " + refused + "\n");
  }

  // The bound itself, on sparse files of zeros after a kilobyte of text: the largest file
  // allowed is read whole.
  const ScratchFolder folder;
  const fs::path path = folder.write("Tables.dat", std::string(1023, '-') + "\n");
  fs::resize_file(path, kMaxTableFileBytes);
  EXPECT_NO_THROW(readTableText(path));
  EXPECT_NO_THROW(checkTableFile(path));
  fs::resize_file(path, kMaxTableFileBytes + 1);
  EXPECT_THROW(readTableText(path), TableError);
  EXPECT_THROW(checkTableFile(path), TableError);
}

TEST(OddTables, NulBytesInsideLinesAreSkippedAndChangeNothing) {
  // A NUL after the first byte of every line before the filler (every heading and entry of the
  // faction sections), the filler shortened by as many bytes so the vehicles keep their byte.
  const std::size_t fillerStart = kShipped.find("\n---") + 1;
  std::string dirty;
  long added = 0;
  for (std::size_t k = 0; k < kShipped.size(); ++k) {
    dirty += kShipped[k];
    if (k < fillerStart && kShipped[k] != '\n' && (k == 0 || kShipped[k - 1] == '\n')) {
      dirty += '\0';
      ++added;
    }
  }
  dirty = vehiclesShifted(dirty, -added);
  ASSERT_GT(added, 400);
  ASSERT_EQ(dirty.find("\nVehicles\n"), kShipped.find("\nVehicles\n"));
  ASSERT_EQ(dirty.find(std::string("\nK\0urita\n", 9)), kShipped.find("\nKurita\n") + 1);

  const ScratchFolder folder;
  const fs::path cleanPath = folder.write("Clean.dat", kShipped);
  const fs::path dirtyPath = folder.write("Dirty.dat", dirty);
  for (const char* size : {"Regement", "Galaxy"}) {
    const Choice choice{"Random", size, "Random", "Random", true, 99};
    const RunResult expected = runProgram(CLI_PROGRAM, choice.args(cleanPath));
    const RunResult run = runProgram(CLI_PROGRAM, choice.args(dirtyPath));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find('\0'), std::string::npos);
    EXPECT_EQ(run.out, expected.out);
  }
  EXPECT_EQ(runProgram(CLI_PROGRAM, {"--check-tables", dirtyPath.string()}).out, "ok\n");
}

TEST(OddTables, AVehicleSectionFarBehindItsByteLendsTablesAndOnlyTheCheckerSaysSo) {
  // Byte 7038 now falls inside the last faction's section: its tables are what the vehicle
  // search finds first, which is how the file is read, so only --check-tables can tell.
  const ScratchFolder folder;
  const fs::path path = folder.write("Tables.dat", vehiclesMoved(2000));
  const RunResult run =
      runProgram(CLI_PROGRAM, Choice{"Kurita", "Batallion", "Random", "Green", true}.args(path));
  EXPECT_EQ(run.status, 0) << run.err;
  const RunResult check = runProgram(CLI_PROGRAM, {"--check-tables", path.string()});
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out, "");
  EXPECT_NE(check.err.find(": table \"Medium\" of \"Smoke Jaguar\" has 9 entries, 11 expected; the "
                           "vehicle section begins at line 516"),
            std::string::npos)
      << check.err;
}

}  // namespace
