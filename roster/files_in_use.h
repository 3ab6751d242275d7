// SPDX-License-Identifier: MIT
// The files a run reads and no save may write over: the table file, the design list, the
// collection, the made tables, the skill table. A front end puts a file in use here as it opens it,
// and every save asks one question, "may this path be written?", so a new kind of file is kept safe
// by being opened through here. ForceModel holds one for the window and the page; the command line
// fills its own.
#ifndef MUSTERWRIGHT_ROSTER_FILES_IN_USE_H
#define MUSTERWRIGHT_ROSTER_FILES_IN_USE_H

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/apstring.h"

// A kind of file in use, named as a refused save names it ("the design list in use"). Kinds of
// one `role` take each other's place: the made tables, once in use, are the table file.
struct FileKind {
  std::string_view name;
  std::string_view role;
  constexpr explicit FileKind(std::string_view kindName) : name(kindName), role(kindName) {}
  constexpr FileKind(std::string_view kindName, std::string_view kindRole)
      : name(kindName), role(kindRole) {}
};

inline constexpr FileKind kTableFile{"table file"};
inline constexpr FileKind kMadeTables{"made tables", kTableFile.role};
// The table file the made tables in use were laid out over, which the next layout is made over.
inline constexpr FileKind kMadeTablesBase{"base of the made tables"};
inline constexpr FileKind kDesignList{"design list"};
inline constexpr FileKind kCollection{"collection"};
inline constexpr FileKind kSkillTable{"skill table"};

class FilesInUse {
 public:
  // Makes `file` the one file in use in the role of `kind`, in place of every file held in it;
  // none leaves the role empty. A name is kept as given and resolved when a save asks.
  void hold(FileKind kind, std::optional<std::filesystem::path> file);
  // Puts `file` in use beside the files held, for a run that reads two files of one role.
  void add(FileKind kind, std::filesystem::path file);
  // The first file held in the role of `kind`; none when the role is empty.
  std::optional<std::filesystem::path> file(FileKind kind) const;

  // Throws SaveError (roster_file.h) when `target` is a file in use by any name the file system
  // leads to it by (a relative path, "..", a symbolic or a hard link), naming which file in use
  // it is. A file held as the kind `editing`, the kind the caller edits, may be written, and no
  // other: made tables may replace the made tables in use, never a table file the player chose.
  // A target that does not exist yet, or a file held that no longer does, is never in use.
  void refuseSave(const std::filesystem::path& target,
                  std::optional<FileKind> editing = std::nullopt) const;
  // refuseSave, then saveLines or saveBytes (roster_file.h): nothing is written when refused.
  void saveLines(const std::string& target, const std::vector<apstring>& lines,
                 std::optional<FileKind> editing = std::nullopt) const;
  void saveBytes(const std::string& target, std::string_view bytes,
                 std::optional<FileKind> editing = std::nullopt) const;

 private:
  struct Held {
    FileKind kind;
    std::filesystem::path file;
  };
  std::vector<Held> held_;
};

#endif
