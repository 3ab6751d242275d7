// The desktop program: refuses in one line where there is no display to open the window on,
// otherwise runs the window until it is closed. Exit status 0 once the window has run, 1 when
// it could not start. "--version" prints the version and needs no display.
#include <QApplication>
#include <cstdio>
#include <string_view>

#include "musterwright_version.h"
#include "ui/run_window.h"

namespace {

// Without a display variable or a chosen platform, Qt aborts while looking for one.
bool platformAvailable(int argc, char** argv) {
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    if (!qEnvironmentVariableIsEmpty(variable)) return true;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "-platform" || argument == "--platform") return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::puts("musterwright " MUSTERWRIGHT_VERSION);
    return 0;
  }
  if (!platformAvailable(argc, argv)) {
    std::fputs(
        "musterwright: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
        "set); run it on a desktop, set QT_QPA_PLATFORM=offscreen to run it without one, or use "
        "musterwright-cli\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  runWindow();
  return 0;
}
