// SPDX-License-Identifier: MIT
// Starting the program: without a display, or with one that cannot be reached, it says so in
// one line and exits with status 1 rather than aborting inside Qt; --help and --version need no
// display; without a table file the window opens all the same, says where it looked and offers
// to choose one.
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "musterwright_version.h"
#include "tables/table_error.h"
#include "tables/table_location.h"
#include "ui/TForm1.h"
#include "ui/run_window.h"

namespace {

struct Run {
  int status = -1;
  QByteArray out, err;
};

// Runs the program with `arguments` and no environment beyond `variables`.
Run runProgram(const QStringList& arguments, const QStringList& variables) {
  QProcessEnvironment environment;
  environment.insert("PATH", "/usr/bin:/bin");
  for (const QString& variable : variables)
    environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(MUSTERWRIGHT_EXECUTABLE, arguments);
  if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) return {};
  return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void displayFailure_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QByteArray>("named");
    QTest::newRow("no display") << QStringList() << QByteArray("no display");
    int free = 99;
    while (QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(free))) ++free;
    const QString display = QString(":%1").arg(free);
    QTest::newRow("unreachable X display")
        << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=" + display}
        << QByteArray("the X display \"" + display.toLatin1() + "\"");
    QTest::newRow("missing platform plugin") << QStringList{"QT_QPA_PLATFORM=nosuchplugin"}
                                             << QByteArray("the window system \"nosuchplugin\"");
  }

  void displayFailure() {
    QFETCH(QStringList, environment);
    QFETCH(QByteArray, named);
    const QString xcb = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqxcb.so";
    if (!QFileInfo::exists(xcb)) QSKIP("Qt's X11 platform plugin is not installed");
    const Run run = runProgram({}, environment);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(named), run.err.constData());
    QVERIFY(run.err.contains("QT_QPA_PLATFORM=offscreen"));
    QVERIFY(run.err.contains("musterwright-cli"));
    QVERIFY(run.out.isEmpty());
  }

  void helpAndVersionWithoutDisplay() {
    const Run help = runProgram({"--help"}, {});
    QCOMPARE(help.status, 0);
    for (const char* option :
         {"--help", "--version", "--tables", "-platform", "-stylesheet", "Ctrl+R"})
      QVERIFY2(help.out.contains(option), option);
    const Run version = runProgram({"--version"}, {});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("musterwright " MUSTERWRIGHT_VERSION "\n"));
    QVERIFY(help.err.isEmpty() && version.err.isEmpty());
  }

  // A table file found nowhere, or named and missing: the window opens all the same and says
  // where it looked, offering to choose another.
  void tableFileProblem_data() {
    QTest::addColumn<bool>("named");
    QTest::newRow("found nowhere") << false;
    QTest::newRow("named by --tables") << true;
  }

  void tableFileProblem() {
    QFETCH(bool, named);
    QTemporaryDir empty;
    QVERIFY(QDir::setCurrent(empty.path()));
    if (!named) {
      try {
        locateTableFile();
        QSKIP("a Tables.dat is installed where the lookup finds it");
      } catch (const TableError&) {
      }
    }
    bool windowShown = false;
    QString message;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
      windowShown = Form1 != nullptr && Form1->isVisible();
      if (const auto* box = Form1 ? Form1->findChild<QMessageBox*>() : nullptr) {
        message = box->text();
        for (const QAbstractButton* button : box->buttons()) buttons << button->text();
      }
      if (Form1 != nullptr) Form1->close();
    });
    const QString missing = QDir(empty.path()).filePath(named ? "mine.dat" : "Tables.dat");
    if (named) {
      runWindow(missing.toStdString());
    } else {
      runWindow();
    }
    QVERIFY(windowShown);
    QVERIFY2(message.contains(missing), qPrintable(message));
    QVERIFY(buttons.contains("Choose Table File…"));
    QCOMPARE(Form1, nullptr);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
