// SPDX-License-Identifier: MIT
// The two buttons end to end with the shipped table file: Generate lists the chosen force
// in the listing box, Save To File writes the box's text exactly, and every failure shows a
// message box and leaves the box and the files as they were.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "generator/generate.h"
#include "tables/table_layout.h"
#include "ui/TForm1.h"
#include "window_test_support.h"

namespace {

const QHash<QString, int> kGroupCounts{
    {"Lance",     1 },
    {"Company",   3 },
    {"Batallion", 9 },
    {"Regement",  27},
    {"Star",      1 },
    {"Binary",    2 },
    {"Trinary",   3 },
    {"Cluster",   12},
    {"Galaxy",    48}
};
const QStringList kHouses{"Kurita", "Liao", "Marik", "Davion", "Steiner", "ComStar"};
const QStringList kClans{"Jade Falcon", "Wolf", "Ghost Bear", "Smoke Jaguar"};
const QStringList kHouseSizes{"Lance", "Company", "Batallion", "Regement"};
const QStringList kClanSizes{"Star", "Binary", "Trinary", "Cluster", "Galaxy"};
const QStringList kExperiences{"Green", "Regular", "Veteran", "Elite"};

// Every listed line after the four header lines: a one-blank separator opening each group
// of `groupSize` slot lines.
void verifyGroups(const QStringList& lines, int groupSize) {
  static const QRegularExpression slotLine("^\\S.* P: [1-7] G: [1-7]$");
  for (qsizetype i = 4; i < lines.size(); ++i) {
    if ((i - 4) % (groupSize + 1) == 0) {
      QCOMPARE(lines[i], QStringLiteral(" "));
    } else {
      QVERIFY2(slotLine.match(lines[i]).hasMatch(), qPrintable(lines[i]));
    }
  }
}

}  // namespace

class HandlersTest : public QObject {
  Q_OBJECT

  QTemporaryDir scratch;
  // The table file each test's window generates from.
  std::filesystem::path tables;

 private Q_SLOTS:
  void initTestCase() { QVERIFY(QDir::setCurrent(scratch.path())); }
  void init() { tables = SHIPPED_TABLES; }

  void generateChosen_data() {
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("groupSize");
    QTest::newRow("House Company")
        << QStringList{"Davion", "Company", "Heavy", "Veteran"} << 19 << 4;
    QTest::newRow("Clan Binary") << QStringList{"Wolf", "Binary", "Random", "Green"} << 16 << 5;
    QTest::newRow("House Star") << QStringList{"Liao", "Star", "Light", "Elite"} << 9 << 4;
    QTest::newRow("Clan Company") << QStringList{"Ghost Bear", "Company", "Assault", "Regular"}
                                  << 22 << 5;
  }

  void generateChosen() {
    QFETCH(QStringList, header);
    QFETCH(int, lineCount);
    QFETCH(int, groupSize);
    TestWindow form(tables);
    form.MechBox->setPlainText("an earlier listing");
    choose(form, header[0], header[1], header[2], header[3]);
    form.GButton->click();
    QCOMPARE(dismissErrorBox(form), QString());
    const QStringList lines = listing(form);
    QCOMPARE(lines.size(), lineCount);
    QCOMPARE(lines.first(4), header);
    verifyGroups(lines, groupSize);
  }

  // A list with nothing chosen is rolled as "Random"; the header shows what the rolls made.
  void generateUnchosen() {
    TestWindow form(tables);
    for (int run = 0; run < 30; ++run) {
      form.GButton->click();
      QCOMPARE(dismissErrorBox(form), QString());
      const QStringList lines = listing(form);
      QVERIFY(lines.size() >= 4);
      const bool clan = kClans.contains(lines[0]);
      QVERIFY2(clan || kHouses.contains(lines[0]), qPrintable(lines[0]));
      QVERIFY2((clan ? kClanSizes : kHouseSizes).contains(lines[1]), qPrintable(lines[1]));
      const int groups = kGroupCounts[lines[1]];
      const QStringList weights = groups > 1 ? QStringList{"Random"}
                                             : QStringList{"Light", "Medium", "Heavy", "Assault",
                                                           clan ? "Elemental" : "Battle Armor"};
      QVERIFY2(weights.contains(lines[2]), qPrintable(lines[2]));
      QVERIFY2(kExperiences.contains(lines[3]), qPrintable(lines[3]));
      const int groupSize = clan ? 5 : 4;
      QCOMPARE(lines.size(), 4 + groups * (1 + groupSize));
      verifyGroups(lines, groupSize);
    }
  }

  // Vehicle designs appear only with the box ticked (4 slots in 5 take one then).
  void vehiclesFollowTheCheckBox() {
    QFile file(SHIPPED_TABLES);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.seek(vehicleStart));
    QSet<QString> vehicles;
    for (const QByteArray& line : file.readAll().split('\n')) vehicles << QString(line);
    vehicles -= {"Vehicles", "Light", "Medium", "Heavy", "Assault", ""};
    TestWindow form(tables);
    choose(form, "Steiner", "Company", "Medium", "Regular");
    for (const bool ticked : {false, true}) {
      form.Vehicle->setChecked(ticked);
      form.GButton->click();
      int vehicleSlots = 0;
      for (const QString& line : listing(form))
        vehicleSlots += vehicles.contains(line.section(" P: ", 0, 0));
      QCOMPARE(vehicleSlots > 0, ticked);
    }
  }

  void generateFailure_data() {
    QTest::addColumn<QByteArray>("tables");
    QTest::newRow("no faction in the file") << QByteArray("Design tables\nnothing else\n");
    QTest::newRow("table file missing") << QByteArray();
  }

  void generateFailure() {
    QFETCH(QByteArray, tables);
    const QString tableFile = scratch.filePath("Broken.dat");
    QFile::remove(tableFile);
    if (!tables.isEmpty()) writeFile(tableFile, tables);
    TestWindow form(tableFile.toStdString());
    QCOMPARE(dismissErrorBox(form).isEmpty(), !tables.isEmpty());
    form.MechBox->setPlainText("kept\nas it was\n");
    choose(form, "Kurita", "Lance", "Heavy", "Regular");
    form.GButton->click();
    QVERIFY(dismissErrorBox(form).contains("Broken.dat"));
    QCOMPARE(form.MechBox->toPlainText(), QStringLiteral("kept\nas it was\n"));
  }

  void saveAfterLance() {
    TestWindow form(tables);
    choose(form, "Kurita", "Lance", "Heavy", "Regular");
    form.GButton->click();
    form.ToFile->click();
    QCOMPARE(dismissErrorBox(form), QString());
    const QByteArray bytes = contentOf("Random.txt");
    QCOMPARE(bytes.count("\r\n"), 9);
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.startsWith("Kurita\r\nLance\r\nHeavy\r\nRegular\r\n \r\n"));
    QCOMPARE(bytes, form.MechBox->toPlainText().toUtf8().replace("\n", "\r\n") + "\r\n");
  }

  // The box's text as it stands is saved to the name as typed, replacing what was there.
  void saveText_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("empty box") << "Random.txt"
                               << "" << QByteArray();
    QTest::newRow("user's edits") << "Random.txt"
                                  << "Kurita\nmy own line\n"
                                  << QByteArray("Kurita\r\nmy own line\r\n");
    QTest::newRow("blank lines, no final break") << "Random.txt"
                                                 << " \n\nlast" << QByteArray(" \r\n\r\nlast\r\n");
    QTest::newRow("name with blanks") << " roster .txt"
                                      << "x" << QByteArray("x\r\n");
    QTest::newRow("non-ASCII") << "Kämpfer.txt"
                               << "Åsa Kämpfer" << QString("Åsa Kämpfer\r\n").toUtf8();
  }

  void saveText() {
    QFETCH(QString, fileName);
    QFETCH(QString, text);
    QFETCH(QByteArray, saved);
    writeFile(fileName, "an older roster\r\n");
    TestWindow form(tables);
    form.FileName->setText(fileName);
    form.MechBox->setPlainText(text);
    form.ToFile->click();
    QCOMPARE(dismissErrorBox(form), QString());
    QCOMPARE(contentOf(fileName), saved);
    QCOMPARE(form.MechBox->toPlainText(), text);
  }

  void saveFailure_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("missing folder") << "missing/Random.txt";
    QTest::newRow("name of a folder") << "folder";
    QTest::newRow("empty name") << "";
  }

  void saveFailure() {
    QFETCH(QString, fileName);
    QVERIFY(QDir(scratch.path()).mkpath("folder"));
    TestWindow form(tables);
    form.FileName->setText(fileName);
    form.MechBox->setPlainText("a roster");
    form.ToFile->click();
    QVERIFY(dismissErrorBox(form).contains("\"" + fileName + "\""));
    QVERIFY(!QFile::exists("missing"));
    QVERIFY(QFileInfo("folder").isDir());
  }

  // Ctrl+R and F5 generate, Ctrl+S and Enter in the file name box save.
  void keyboard() {
    TestWindow form(tables);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    choose(form, "Kurita", "Lance", "Heavy", "Regular");
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_R, QKeyCombination(Qt::Key_F5)}) {
      form.MechBox->clear();
      QTest::keyClick(&form, keys.key(), keys.keyboardModifiers());
      QCOMPARE(listing(form).size(), 9);
    }
    form.FileName->setText("keys.txt");
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(contentOf("keys.txt").count("\r\n"), 9);
    form.FileName->setText("enter.txt");
    QTest::keyClick(form.FileName, Qt::Key_Return);
    QCOMPARE(contentOf("enter.txt").count("\r\n"), 9);
  }

  void saveIntoUnwritableFolder() {
    if (geteuid() == 0) QSKIP("permissions do not bind root");
    QDir folder(scratch.filePath("closed"));
    QVERIFY(folder.mkpath("."));
    writeFile(folder.filePath("Random.txt"), "kept\r\n");
    QFile::setPermissions(folder.filePath("Random.txt"), QFile::ReadOwner);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    TestWindow form(tables);
    form.FileName->setText(folder.filePath("Random.txt"));
    form.MechBox->setPlainText("a roster");
    form.ToFile->click();
    const QString message = dismissErrorBox(form);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(message.contains("Random.txt"));
    QCOMPARE(contentOf(folder.filePath("Random.txt")), QByteArray("kept\r\n"));
  }
};

QTEST_MAIN(HandlersTest)
#include "handlers_test.moc"
