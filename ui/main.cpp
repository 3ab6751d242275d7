// SPDX-License-Identifier: MIT
// The desktop program: runs the window until it is closed. "--help" and "--version" are
// answered without a display. Exit status 0 once the window has run, 1 when the window system
// could not be opened, 2 for a bad command line.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "musterwright_version.h"
#include "ui/run_window.h"
#include "ui/window_system.h"

namespace {

constexpr int kBadUsage = 2;

const QCommandLineOption kHelp({"h", "help"}, "Show this help and exit.");
const QCommandLineOption kVersion({"v", "version"}, "Show the version and exit.");
const QCommandLineOption kTables("tables", "Read the design tables from PATH.", "PATH");

void describeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      "Draws up a random fighting force for a tabletop wargame in a window.\n"
      "Qt's own options are understood as well, among them -platform NAME, -display DISPLAY,\n"
      "-style NAME, -stylesheet FILE and -reverse. Keys: Ctrl+R or F5 generates, Ctrl+S (or\n"
      "Enter in the file name box) saves, Ctrl+Shift+S saves as, Ctrl+P prints, Ctrl+O\n"
      "chooses the table file. See musterwright(6).");
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption(kHelp);
  parser.addOption(kVersion);
  parser.addOption(kTables);
}

QStringList argumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("musterwright"));
  QCommandLineParser parser;
  describeOptions(parser);
  // Qt's own options are not known yet; only a request for help or the version counts here.
  parser.parse(argumentsOf(argc, argv));
  if (parser.isSet(kHelp) || parser.isSet(kVersion)) {
    const QCoreApplication application(argc, argv);
    std::fputs(parser.isSet(kHelp) ? qPrintable(parser.helpText())
                                   : "musterwright " MUSTERWRIGHT_VERSION "\n",
               stdout);
    return 0;
  }

  const auto application = openApplication(argc, argv);
  if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
    const QString problem = parser.errorText().isEmpty()
                                ? "unexpected argument: " + parser.positionalArguments().first()
                                : parser.errorText();
    std::fprintf(stderr, "musterwright: %s\nTry \"musterwright --help\" for the options.\n",
                 qPrintable(problem));
    return kBadUsage;
  }
  if (parser.isSet(kTables)) {
    runWindow(QFile::encodeName(parser.value(kTables)).toStdString());
  } else {
    runWindow();
  }
  return 0;
}
