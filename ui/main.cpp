// Starts the desktop window: refuses in one line where there is no display to open it on,
// opens the table file (a failure is shown over the window, which opens all the same), and
// runs until the window is closed. Exit status 0 once it has run, 1 when it could not start.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <string_view>

#include "generator/generate.h"
#include "tables/table_location.h"
#include "ui/TForm1.h"
#include "ui/error_box.h"

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
  if (!platformAvailable(argc, argv)) {
    std::fputs(
        "musterwright: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
        "set); run it on a desktop, set QT_QPA_PLATFORM=offscreen to run it without one, or use "
        "musterwright-cli\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QString tableFileProblem;
  try {
    openTableFile(locateTableFile());
  } catch (const std::exception& error) {
    tableFileProblem = QString::fromStdString(error.what());
  }
  try {
    TForm1 window;
    Form1 = &window;
    window.show();
    if (!tableFileProblem.isEmpty()) showError(&window, tableFileProblem);
    QApplication::exec();
    Form1 = nullptr;
  } catch (const std::exception& error) {
    Form1 = nullptr;
    QMessageBox::critical(nullptr, QStringLiteral("Musterwright"),
                          QString::fromStdString(error.what()));
  }
  return 0;
}
