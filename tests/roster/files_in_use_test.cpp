// SPDX-License-Identifier: MIT
// No save writes over a file in use: every save of the command line, and every save the window
// makes through the model, is refused for each file in use by any name that leads to it, and
// every byte in the folder stays as it was.
#include "roster/files_in_use.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "roster/force_model.h"
#include "roster/roster_file.h"
#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/table_files.h"

namespace {

namespace fs = std::filesystem;

// A list that serves as --designs and as the list tables are laid out from.
const char* const kList =
    "Design,Tons,Points,Weight_Class,Kind,Factions,Rarity\n"
    "Page Errant,25,500,Light,mech,Davion,common\n";

// Every file a case may put in use, with the names that lead to it besides its own: another
// relative name through "..", a symbolic link and a hard link.
const char* const kFiles[] = {"Tables.dat",  "Base.dat", "Made.dat",
                              "Designs.csv", "Mine.csv", "Shelf.txt"};

// The names of `file` in `folder`, the one through ".." relative to `relativeFolder` (the
// folder as the run asking reaches it by a relative name).
std::vector<std::pair<const char*, fs::path>> namesOf(const fs::path& folder,
                                                      const fs::path& relativeFolder,
                                                      const std::string& file) {
  return {
      {"its own name",          folder / file                       },
      {"another relative name", relativeFolder / "sub" / ".." / file},
      {"a symbolic link",       folder / ("symbolic-" + file)       },
      {"a hard link",           folder / ("hard-" + file)           },
  };
}

// Every file in `folder` and what it holds; a symbolic link as where it leads.
std::map<fs::path, std::string> contentsOf(const fs::path& folder) {
  std::map<fs::path, std::string> contents;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (!entry.is_directory() || entry.is_symlink())
      contents[entry.path().filename()] = entry.is_symlink()
                                              ? "-> " + fs::read_symlink(entry.path()).string()
                                              : bytesOf(entry.path());
  return contents;
}

// A folder holding every file of kFiles, each with its other names.
class InUseFolder : public ScratchFolder {
 public:
  InUseFolder() {
    write("Tables.dat", bytesOf(SHIPPED_TABLES));
    write("Base.dat", bytesOf(SHIPPED_TABLES));
    write("Made.dat", soundTables());
    write("Designs.csv", bytesOf(SHIPPED_DESIGNS));
    write("Mine.csv", kList);
    write("Shelf.txt", "2 Page Errant\n1 Squire Dash\n");
    fs::create_directory(path() / "sub");
    for (const std::string file : kFiles) {
      fs::create_symlink(file, path() / ("symbolic-" + file));
      fs::create_hard_link(path() / file, path() / ("hard-" + file));
    }
  }
};

// A file in use as a run of the command line reads it: the options that put it in use, and the
// kind a refusal names.
struct CliFile {
  const char* file;
  std::vector<std::string> options;
  const char* kind;
};

// A save path of the command line: its options before --out and the files it reads.
struct CliSave {
  const char* name;
  std::vector<std::string> options;
  std::vector<CliFile> files;
};

std::vector<CliSave> cliSaves() {
  const std::vector<std::string> lance{"--tables", "Tables.dat", "--faction", "Davion",
                                       "--size",   "Lance",      "--seed",    "1"};
  const std::vector<std::string> odds{"--odds", "--tables", "Tables.dat", "--faction",
                                      "Davion", "--size",   "Lance"};
  const std::vector<CliFile> forceFiles{
      {"Tables.dat",  {},                            "table file" },
      {"Designs.csv", {},                            "design list"},
      {"Mine.csv",    {"--designs", "Mine.csv"},     "design list"},
      {"Shelf.txt",   {"--collection", "Shelf.txt"}, "collection" },
  };
  std::vector<CliSave> saves;
  for (const char* format : {"text", "csv", "json"}) {
    std::vector<std::string> options = lance;
    options.insert(options.end(), {"--format", format});
    saves.push_back({format, options, forceFiles});
  }
  saves.push_back({"--odds", odds, forceFiles});
  // clang-format off
  saves.push_back({"--fit-tables", {"--fit-tables", "Tables.dat"}, {forceFiles[0]}});
  // The table file a force would be drawn from is refused even when the base is another.
  saves.push_back({"--make-tables", {"--make-tables", "Mine.csv", "--tables", "Base.dat"},
                   {{"Base.dat", {}, "table file"}, forceFiles[0], {"Mine.csv", {}, "design list"}}});
  // clang-format on
  return saves;
}

// A save path of the model, as the window's saves ask it: the listing's lines, any bytes (the
// odds, the tables made, a collection), a PDF printed by the print system, and the Collection
// dialog, which edits the collection in use.
struct ModelSave {
  const char* name;
  std::function<void(const FilesInUse&, const fs::path&)> save;
  bool editsCollection;
};

using Files = const FilesInUse&;
using Path = const fs::path&;
// clang-format off
const ModelSave kModelSaves[] = {
    {"listing",    [](Files files, Path to) { files.saveLines(to, {"Saved"}); },                     false},
    {"bytes",      [](Files files, Path to) { files.saveBytes(to, "Saved\n"); },                     false},
    {"print",      [](Files files, Path to) { files.refuseSave(to); },                               false},
    {"collection", [](Files files, Path to) { files.saveBytes(to, "1 Page Errant\n", kCollection); }, true },
};
// clang-format on

// A file the model puts in use, and how.
struct ModelFile {
  const char* file;
  std::function<void(ForceModel&, const fs::path&)> open;
  const char* kind;
};

void useTables(ForceModel& model, Path folder) {
  static_cast<void>(model.useTables(readTableText(folder / "Tables.dat")));
}

// clang-format off
const ModelFile kModelFiles[] = {
    {"Tables.dat",  useTables,                                                        "table file" },
    {"Made.dat",    [](ForceModel& model, Path folder) {
                      static_cast<void>(model.useTables(readTableText(folder / "Made.dat"), nullptr,
                                                        kMadeTables)); },             "made tables"},
    {"Designs.csv", useTables,                                                        "design list"},
    {"Mine.csv",    [](ForceModel& model, Path folder) {
                      static_cast<void>(model.chooseDesignList(folder / "Mine.csv")); }, "design list"},
    {"Shelf.txt",   [](ForceModel& model, Path folder) {
                      model.holdCollectionFile(folder / "Shelf.txt"); },              "collection" },
};
// clang-format on

TEST(FilesInUse, NoSaveWritesOverAFileInUseByAnyName) {
  const InUseFolder folder;
  const std::map<fs::path, std::string> before = contentsOf(folder.path());
  const auto unchanged = [&] { EXPECT_EQ(contentsOf(folder.path()), before); };

  RunSetting inFolder;
  inFolder.folder = folder.path();
  for (const CliSave& save : cliSaves()) {
    for (const CliFile& read : save.files) {
      SCOPED_TRACE(std::string(save.name) + " reading " + read.file);
      std::vector<std::string> args = save.options;
      args.insert(args.end(), read.options.begin(), read.options.end());
      args.insert(args.end(), {"--out", "written"});
      const RunResult control = runProgram(MUSTERWRIGHT_CLI, args, inFolder);
      EXPECT_EQ(control.status, 0) << control.err;
      fs::remove(folder.path() / "written");
      for (const auto& [how, name] : namesOf(fs::path(), fs::path(), read.file)) {
        args.back() = name.string();
        const RunResult run = runProgram(MUSTERWRIGHT_CLI, args, inFolder);
        EXPECT_EQ(run.status, 1) << how;
        EXPECT_EQ(run.out, "") << how;
        EXPECT_NE(run.err.find("it is the " + std::string(read.kind) + " in use"),
                  std::string::npos)
            << how << ": " << run.err;
        unchanged();
      }
    }
  }

  // The model is asked by names relative to the test's own folder.
  const fs::path relative = fs::relative(folder.path());
  for (const ModelFile& file : kModelFiles) {
    ForceModel model;
    file.open(model, folder.path());
    for (const ModelSave& save : kModelSaves) {
      SCOPED_TRACE(std::string(save.name) + " onto " + file.file);
      save.save(model.files(), folder.path() / "written");
      EXPECT_TRUE(fs::exists(folder.path() / "written") || std::string(save.name) == "print");
      fs::remove(folder.path() / "written");
      if (save.editsCollection && std::string(file.kind) == "collection") {
        save.save(model.files(), folder.path() / file.file);
        EXPECT_EQ(bytesOf(folder.path() / file.file), "1 Page Errant\n");
        fs::remove(folder.path() / file.file);
        fs::create_hard_link(folder.path() / ("hard-" + std::string(file.file)),
                             folder.path() / file.file);
        continue;
      }
      for (const auto& [how, name] : namesOf(folder.path(), relative, file.file)) {
        try {
          save.save(model.files(), name);
          ADD_FAILURE() << how << " was written";
        } catch (const SaveError& error) {
          EXPECT_NE(
              std::string(error.what()).find("it is the " + std::string(file.kind) + " in use"),
              std::string::npos)
              << how << ": " << error.what();
        }
        unchanged();
      }
    }
  }
}

}  // namespace
