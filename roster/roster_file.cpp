// SPDX-License-Identifier: MIT
#include "roster/roster_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>

#include "foundation/in_quotes.h"
#include "roster/listing_text.h"

namespace {

namespace fs = std::filesystem;

// How many symbolic links a name may pass through before the save gives up, as the system
// itself does (ELOOP).
constexpr int kMaxLinks = 40;

[[noreturn]] void fail(const std::string& fileName, const std::string& what, int error) {
  throw SaveError(inQuotes(fileName) + " was not saved: " + what + ": " + std::strerror(error));
}

// Follows symbolic links until `name` leads to something that is not one (or to nothing),
// so that the save replaces the file a link points at and keeps the link itself.
fs::path resolveLinks(const std::string& fileName) {
  fs::path path = fileName;
  for (int hops = 0;; ++hops) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    if (hops == kMaxLinks)
      fail(fileName, "following the links to " + inQuotes(path.string()) + " failed", ELOOP);
    std::error_code error;
    const fs::path target = fs::read_symlink(path, error);
    if (error)
      fail(fileName, "reading the link " + inQuotes(path.string()) + " failed", error.value());
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
}

// Writes every byte of `bytes` to `fd`, going on after partial writes and interruptions.
// Returns 0, or the errno of the write that failed.
int writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// The last steps of writing to `fd`: unless a step has failed already (`error` not 0), flushes
// it to disk when `flush` is set; then closes it in any case. The first failure is kept in
// `error` (its errno) and `step` (what failed).
void flushAndClose(int fd, bool flush, int& error, std::string& step) {
  if (error == 0 && flush && ::fsync(fd) != 0) {
    error = errno;
    step = "flushing to disk failed";
  }
  if (::close(fd) != 0 && error == 0) {
    error = errno;
    step = "closing failed";
  }
}

// Creates a new file of a unique name beside `target`, as open(2) with O_EXCL and mode 0666
// does, so the umask applies as to any new file. Returns its descriptor, or -1 with errno set.
int createTemporary(const fs::path& target, fs::path& temporary) {
  std::random_device entropy;
  const fs::path folder = target.parent_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name(1, '.');
    name.append(target.filename().string().substr(0, 200)).append(".");
    temporary = folder / name.append(std::to_string(entropy()));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes `bytes` to a temporary file and renames it over `target`. Returns false, having
// touched nothing, when no file can be created beside an existing `target`.
bool replaceByRename(const std::string& fileName, const fs::path& target, const struct stat* old,
                     std::string_view bytes) {
  fs::path temporary;
  const int fd = createTemporary(target, temporary);
  if (fd < 0) {
    const int error = errno;
    // Beside a file that exists, the file itself gives the reason (say /proc/version, in a
    // folder where nothing can be created): only a full disk or quota, where a rewrite in
    // place could stop half-way, is reported for the folder.
    if (old != nullptr && error != ENOSPC && error != EDQUOT) return false;
    const fs::path folder = target.parent_path().empty() ? "." : target.parent_path();
    fail(fileName, "cannot create a file in the folder " + inQuotes(folder.string()), error);
  }
  int error = 0;
  std::string step;
  if (old != nullptr && ::fchmod(fd, old->st_mode & 07777) != 0) {
    error = errno;
    step = "keeping the file's permissions failed";
  }
  if (error == 0 && (error = writeAll(fd, bytes)) != 0) step = "writing failed";
  flushAndClose(fd, true, error, step);
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
    error = errno;
    step = "replacing the file failed";
  }
  if (error != 0) {
    ::unlink(temporary.c_str());
    fail(fileName, step, error);
  }
  return true;
}

// Rewrites `target` where it stands: used for a file whose folder is closed to new files, and
// for devices and pipes. The old bytes are overwritten first and the rest cut off afterwards,
// so a disk that fills up fails before the old content is lost.
void rewriteInPlace(const std::string& fileName, const fs::path& target, bool regular,
                    std::string_view bytes) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) fail(fileName, "opening for writing failed", errno);
  int error = writeAll(fd, bytes);
  std::string step = "writing failed";
  if (error == 0 && regular && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
    error = errno;
    step = "cutting off the old content failed";
  }
  flushAndClose(fd, regular, error, step);
  if (error != 0) fail(fileName, step, error);
}

}  // namespace

void saveLines(const std::string& fileName, const std::vector<apstring>& lines) {
  saveBytes(fileName, savedText(lines));
}

void saveBytes(const std::string& fileName, std::string_view bytes) {
  if (fileName.empty()) fail(fileName, "the file name is empty", ENOENT);
  const fs::path target = resolveLinks(fileName);
  if (!target.has_filename()) fail(fileName, "the name ends in a folder separator", EISDIR);

  struct stat old {};
  if (::stat(target.c_str(), &old) != 0) {
    if (errno != ENOENT) fail(fileName, "looking up the file failed", errno);
    replaceByRename(fileName, target, nullptr, bytes);
    return;
  }
  if (S_ISDIR(old.st_mode)) fail(fileName, "the name is a folder", EISDIR);
  if (::access(target.c_str(), W_OK) != 0) fail(fileName, "the file may not be written", errno);
  if (!S_ISREG(old.st_mode)) {
    rewriteInPlace(fileName, target, false, bytes);
    return;
  }
  if (!replaceByRename(fileName, target, &old, bytes))
    rewriteInPlace(fileName, target, true, bytes);
}
