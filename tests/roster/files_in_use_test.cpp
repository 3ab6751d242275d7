// SPDX-License-Identifier: MIT
// No save writes over a file in use: every save of the command line, and every save the window
// makes through the model, is refused for each file in use by any name that leads to it, and
// every byte in the folder stays as it was.
#include "roster/files_in_use.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "roster/force_model.h"
#include "roster/kept_files.h"
#include "roster/roster_file.h"
#include "support/run_program.h"
#include "support/table_files.h"

namespace {

namespace fs = std::filesystem;
using Files = const FilesInUse&;
using Path = const fs::path&;

// The names that lead to `file` in `folder`: its own, one through ".." from `relative` (the
// folder as the run asking names it), a symbolic link and a hard link.
std::vector<fs::path> namesOf(Path folder, Path relative, const std::string& file) {
  return {folder / file, relative / "sub" / ".." / file, folder / ("symbolic-" + file),
          folder / ("hard-" + file)};
}

// Every file in `folder` and what it holds; a symbolic link as where it leads.
std::map<fs::path, std::string> contentsOf(Path folder) {
  std::map<fs::path, std::string> contents;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (!entry.is_directory() || entry.is_symlink())
      contents[entry.path().filename()] = entry.is_symlink()
                                              ? "-> " + fs::read_symlink(entry.path()).string()
                                              : bytesOf(entry.path());
  return contents;
}

// A file a save path reads: the options that put it in use, and the kind a refusal names.
// clang-format off
struct Read { std::vector<std::string> options; const char *file, *kind; };
const std::vector<Read> kForceReads{
    {{},                            "Tables.dat",  "table file" },
    {{},                            "Designs.csv", "design list"},
    {{"--designs", "Mine.csv"},     "Mine.csv",    "design list"},
    {{"--collection", "Shelf.txt"}, "Shelf.txt",   "collection" },
};

// The command line's save paths: the options before --out, and the files each reads.
const std::pair<std::vector<std::string>, std::vector<Read>> kCliSaves[] = {
    {{"--size", "Lance", "--seed", "1", "--tables", "Tables.dat"}, kForceReads},
    {{"--size", "Lance", "--format", "csv", "--tables", "Tables.dat"}, kForceReads},
    {{"--size", "Lance", "--format", "json", "--tables", "Tables.dat"}, kForceReads},
    {{"--odds", "--faction", "Davion", "--size", "Lance", "--tables", "Tables.dat"}, kForceReads},
    {{"--fit-tables", "Tables.dat"}, {kForceReads[0]}},
    // The table file a force would be drawn from is refused even when the base is another.
    {{"--make-tables", "Mine.csv", "--tables", "Base.dat"},
     {{{}, "Base.dat", "table file"}, kForceReads[0], {{}, "Mine.csv", "design list"}}},
};

// The window's saves through the model: the listing, any bytes (the odds, the tables made Saved
// As), a PDF printed, the Collection dialog's, which may write the collection in use, and Use of
// tables laid out, which may write the made tables in use and nothing else: the file each may
// write over.
const std::pair<std::function<void(Files, Path)>, const char*> kModelSaves[] = {
    {[](Files files, Path to) { files.saveLines(to, {"Saved"}); },                ""         },
    {[](Files files, Path to) { files.saveBytes(to, "Saved"); },                  ""         },
    {[](Files files, Path to) { files.refuseSave(to); },                          ""         },
    {[](Files files, Path to) { files.saveBytes(to, "Saved", kCollection); },  "Shelf.txt"},
    {[](Files files, Path to) { files.saveBytes(to, "Saved", kMadeTables); },  "Made.dat" },
};
void useMade(ForceModel& model, Path in) {
  model.useTables(readTableText(in / "Made.dat"), {},
                  std::make_shared<const TableText>(readTableText(in / "Base.dat")));
}
const std::pair<std::function<void(ForceModel&, Path)>, Read> kModelReads[] = {
    {[](ForceModel& model, Path in) { model.useTables(readTableText(in / "Tables.dat")); },
     {{}, "Tables.dat", "table file"}},
    {useMade, {{}, "Made.dat", "made tables"}},
    {useMade, {{}, "Base.dat", "base of the made tables"}},
    {[](ForceModel& model, Path in) { model.useTables(readTableText(in / "Tables.dat")); },
     {{}, "Designs.csv", "design list"}},
    {[](ForceModel& model, Path in) { model.chooseDesignList(in / "Mine.csv"); },
     {{}, "Mine.csv", "design list"}},
    {[](ForceModel& model, Path in) { model.holdCollectionFile(in / "Shelf.txt"); },
     {{}, "Shelf.txt", "collection"}},
};
// clang-format on

bool names(const std::string& message, const Read& read) {
  return message.find("it is the " + std::string(read.kind) + " in use") != std::string::npos;
}

TEST(FilesInUse, NoSaveWritesOverAFileInUseByAnyName) {
  const ScratchFolder folder;
  const std::string shipped = bytesOf(SHIPPED_TABLES);
  // clang-format off
  const std::pair<std::string, std::string> files[] = {
      {"Tables.dat", shipped}, {"Base.dat", shipped}, {"Made.dat", soundTables()},
      {"Designs.csv", bytesOf(SHIPPED_DESIGNS)}, {"Shelf.txt", "2 Page Errant\n"},
      {"Mine.csv", "design,tons,points,weight_class,factions\nPage Errant,25,5,Light,Davion\n"}};
  // clang-format on
  fs::create_directory(folder.path() / "sub");
  for (const auto& [file, bytes] : files) {
    fs::create_hard_link(folder.write(file, bytes), folder.path() / ("hard-" + file));
    fs::create_symlink(file, folder.path() / ("symbolic-" + file));
  }
  const std::map<fs::path, std::string> before = contentsOf(folder.path());

  RunSetting inFolder;
  inFolder.folder = folder.path();
  for (const auto& [options, reads] : kCliSaves)
    for (const Read& read : reads)
      for (const fs::path& name : namesOf({}, {}, read.file)) {
        std::vector<std::string> args = options;
        args.insert(args.end(), read.options.begin(), read.options.end());
        args.insert(args.end(), {"--out", name.string()});
        const RunResult run = runProgram(MUSTERWRIGHT_CLI, args, inFolder);
        EXPECT_TRUE(run.status == 1 && run.out.empty() && names(run.err, read))
            << options.front() << " " << name << ": " << run.status << " " << run.err;
        EXPECT_EQ(contentsOf(folder.path()), before) << options.front() << " " << name;
      }

  // The model is asked by names relative to the test's own folder too.
  for (const auto& [open, read] : kModelReads) {
    ForceModel model;
    open(model, folder.path());
    for (const auto& [save, editable] : kModelSaves) {
      save(model.files(), folder.path() / "new");
      fs::remove(folder.path() / "new");
      for (const fs::path& name : namesOf(folder.path(), fs::relative(folder.path()), read.file)) {
        if (editable == std::string(read.file)) {
          const FileKind editing = read.file == std::string("Made.dat") ? kMadeTables : kCollection;
          EXPECT_NO_THROW(model.files().refuseSave(name, editing)) << name;
          continue;
        }
        try {
          save(model.files(), name);
          ADD_FAILURE() << name << " was written";
        } catch (const SaveError& error) {
          EXPECT_TRUE(names(error.what(), read)) << error.what();
        }
        EXPECT_EQ(contentsOf(folder.path()), before) << name;
      }
    }
  }
}

// The set kept for the next start is used whole, or, when a file of it is gone, not at all, with
// a notice naming it and its kind; made tables and a chosen table file take each other's place.
TEST(KeptFiles, TheSetKeptIsUsedWholeOrNotAtAll) {
  const ScratchFolder folder;
  KeptFiles kept;
  kept.keep(kTableFile, folder.path() / "Chosen.dat");
  const std::pair<FileKind, const char*> files[] = {
      {kMadeTables,     "mine-tables.dat"},
      {kMadeTablesBase, "Tables.dat"     },
      {kDesignList,     "mine.csv"       },
  };
  for (const auto& [kind, file] : files) kept.keep(kind, folder.path() / file);
  EXPECT_EQ(kept.file(kTableFile), std::nullopt);
  ASSERT_EQ(kept.files().size(), 3u);

  for (const auto& [goneKind, gone] : {
           std::pair{kTableFile, ""},
           files[0], files[1], files[2]
  }) {
    for (const auto& [kind, file] : files) {
      fs::remove(folder.path() / file);
      if (file != gone) folder.write(file, "kept");
    }
    const StartingFiles start = startingFiles(kept);
    if (*gone == '\0') {
      EXPECT_EQ(start.notice, "");
      EXPECT_EQ(start.files.files().size(), 3u);
      EXPECT_EQ(start.files.file(kMadeTables), folder.path() / "mine-tables.dat");
      continue;
    }
    EXPECT_TRUE(start.files.files().empty()) << gone;
    const std::string named =
        "the " + std::string(goneKind.name) + " \"" + (folder.path() / gone).string() + "\"";
    EXPECT_NE(start.notice.find(named), std::string::npos) << start.notice;
    EXPECT_EQ(start.notice.find("\", the "), std::string::npos) << start.notice;
  }
}

}  // namespace
