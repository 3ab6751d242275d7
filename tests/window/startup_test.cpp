// Starting the program where there is no display: one line on the standard error stream
// saying so and how to go on, and exit status 1, rather than an abort inside Qt.
#include <QProcess>
#include <QTest>

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
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
