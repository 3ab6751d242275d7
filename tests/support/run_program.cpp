// SPDX-License-Identifier: MIT
#include "support/run_program.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>

#include "support/file_bytes.h"

namespace {

constexpr uid_t kNobody = 65534;

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void startChild(char* const* argv, int outPipe, int errPipe, const char* folder,
                             const char* output, const RunSetting& setting) {
  if (output != nullptr) outPipe = ::open(output, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (outPipe < 0 || ::dup2(outPipe, 1) < 0 || ::dup2(errPipe, 2) < 0) ::_exit(126);
  if (folder != nullptr && ::chdir(folder) != 0) ::_exit(126);
  if (setting.fileSizeLimit) {
    const rlimit limit{*setting.fileSizeLimit, *setting.fileSizeLimit};
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 || ::sigaction(SIGXFSZ, &ignore, nullptr) != 0)
      ::_exit(126);
  }
  if (setting.asOrdinaryUser && ::geteuid() == 0 && !becomeNobody()) ::_exit(126);
  ::execv(argv[0], argv);
  ::_exit(127);
}

// The folder of reachableCopy: made on first use, mode 755, removed with its copies at exit.
class ReachableFolder {
 public:
  ReachableFolder() : path_(newFolder("musterwright-run")) {}
  ~ReachableFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ReachableFolder(const ReachableFolder&) = delete;
  ReachableFolder& operator=(const ReachableFolder&) = delete;

  // The copy of `file`, made on first request; files of the same name get numbered names.
  std::filesystem::path copyOf(const std::filesystem::path& file) {
    const std::filesystem::path original = std::filesystem::absolute(file);
    auto known = copies_.find(original);
    if (known != copies_.end()) return known->second;
    const std::filesystem::path copy =
        path_ / (std::to_string(copies_.size()) + "-" + original.filename().string());
    std::filesystem::copy_file(original, copy);
    std::filesystem::permissions(
        copy, std::filesystem::perms::others_read | std::filesystem::perms::group_read,
        std::filesystem::perm_options::add);
    return copies_[original] = copy;
  }

 private:
  std::filesystem::path path_;
  std::map<std::filesystem::path, std::filesystem::path> copies_;
};

}  // namespace

bool becomeNobody() {
  return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

std::filesystem::path reachableCopy(const std::filesystem::path& file) {
  static ReachableFolder folder;
  return folder.copyOf(file);
}

RunResult runProgram(const std::string& givenProgram, const std::vector<std::string>& args,
                     const RunSetting& setting) {
  const std::string program = setting.asOrdinaryUser && ::geteuid() == 0
                                  ? reachableCopy(givenProgram).string()
                                  : givenProgram;
  std::vector<std::string> words{program};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const std::string folder = setting.folder.string();
  const std::string output = setting.output.string();

  RunResult result;
  int outPipe[2], errPipe[2];
  if (::pipe2(outPipe, O_CLOEXEC) != 0 || ::pipe2(errPipe, O_CLOEXEC) != 0) {
    result.err = std::string("pipe: ") + std::strerror(errno);
    return result;
  }
  const auto started = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0)
    startChild(argv.data(), outPipe[1], errPipe[1], folder.empty() ? nullptr : folder.c_str(),
               output.empty() ? nullptr : output.c_str(), setting);
  ::close(outPipe[1]);
  ::close(errPipe[1]);
  if (pid < 0) {
    result.err = std::string("fork: ") + std::strerror(errno);
    ::close(outPipe[0]);
    ::close(errPipe[0]);
    return result;
  }

  const auto deadline = started + setting.deadline;
  std::array<pollfd, 2> streams{
      {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}}
  };
  std::string* texts[] = {&result.out, &result.err};
  int open = 2;
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.hung = true;
      ::kill(pid, SIGKILL);
      break;
    }
    if (::poll(streams.data(), streams.size(), static_cast<int>(left.count())) < 0 &&
        errno != EINTR)
      break;
    for (std::size_t k = 0; k < streams.size(); ++k) {
      if (streams[k].fd < 0 || streams[k].revents == 0) continue;
      char buffer[65536];
      const ssize_t count = ::read(streams[k].fd, buffer, sizeof buffer);
      if (count > 0) {
        texts[k]->append(buffer, static_cast<std::size_t>(count));
      } else if (count == 0 || errno != EINTR) {
        ::close(streams[k].fd);
        streams[k].fd = -1;
        --open;
      }
    }
  }
  for (const pollfd& stream : streams)
    if (stream.fd >= 0) ::close(stream.fd);

  int wait = 0;
  while (::waitpid(pid, &wait, 0) < 0 && errno == EINTR) {
  }
  result.took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - started);
  if (WIFEXITED(wait)) result.status = WEXITSTATUS(wait);
  if (result.status == 126 || result.status == 127)
    result.err += "\n(the test could not start " + program + " as asked)";
  return result;
}

bool ordinaryUserAvailable() {
  if (::geteuid() != 0) return true;
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(becomeNobody() ? 0 : 1);
  int wait = 0;
  return pid > 0 && ::waitpid(pid, &wait, 0) == pid && WIFEXITED(wait) && WEXITSTATUS(wait) == 0;
}
