// Starting the program: without a display it says so in one line and exits with status 1
// rather than aborting inside Qt; without a table file the window opens all the same and
// says where it looked.
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "tables/table_error.h"
#include "tables/table_location.h"
#include "ui/TForm1.h"
#include "ui/run_window.h"

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void noDisplay() {
    QProcessEnvironment bare;
    bare.insert("PATH", "/usr/bin:/bin");
    QProcess program;
    program.setProcessEnvironment(bare);
    program.start(MUSTERWRIGHT_EXECUTABLE, {});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QByteArray error = program.readAllStandardError();
    QCOMPARE(error.count('\n'), 1);
    QVERIFY(error.startsWith("musterwright: no display"));
    QVERIFY(error.contains("QT_QPA_PLATFORM=offscreen"));
    QVERIFY(error.contains("musterwright-cli"));
    QVERIFY(program.readAllStandardOutput().isEmpty());
  }

  void tableFileFoundNowhere() {
    QTemporaryDir empty;
    QVERIFY(QDir::setCurrent(empty.path()));
    try {
      locateTableFile();
      QSKIP("a Tables.dat is installed where the lookup finds it");
    } catch (const TableError&) {
    }
    bool windowShown = false;
    QString message;
    QTimer::singleShot(0, [&] {
      windowShown = Form1 != nullptr && Form1->isVisible();
      if (const auto* box = Form1 ? Form1->findChild<QMessageBox*>() : nullptr)
        message = box->text();
      if (Form1 != nullptr) Form1->close();
    });
    runWindow();
    QVERIFY(windowShown);
    QVERIFY2(message.contains(QDir(empty.path()).filePath("Tables.dat")), qPrintable(message));
    QCOMPARE(Form1, nullptr);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
