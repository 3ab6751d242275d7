// SPDX-License-Identifier: MIT
// The Odds… dialog as a person meets it: opened with Ctrl+D on the window's choices, its
// tables sorting by a column, Copy giving the command line's CSV, a table file that fails its
// check giving its odds beside the checker's findings, and Save As keeping off the table file.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include "support/table_files.h"
#include "ui/odds_dialog.h"
#include "ui/table_source.h"
#include "window_test_support.h"

class OddsDialogTest : public QObject {
  Q_OBJECT

  QTemporaryDir scratch;

 private Q_SLOTS:
  void initTestCase() { QVERIFY(QDir::setCurrent(scratch.path())); }

  void opensOnTheWindowsChoicesAndCopiesTheCommandLinesCsv() {
    TestWindow form(SHIPPED_TABLES);
    choose(form, "Wolf", "Star", "Random", "Green");
    // The odds are the force's own: an opposing force asked for changes nothing in them.
    form.OpponentBox->setChecked(true);
    form.OpponentHouseBox->setCurrentText("Davion");
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_D, Qt::ControlModifier);
    auto* dialog = form.findChild<OddsDialog*>();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QCOMPARE(dialog->findChildren<QComboBox*>().at(0)->currentText(), QString("Wolf"));

    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == "Copy") button->click();
    QProcess cli;
    cli.start(MUSTERWRIGHT_CLI, {"--odds", "--faction", "wolf", "--size", "star", "--experience",
                                 "green", "--format", "csv", "--tables", SHIPPED_TABLES});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8(cli.readAllStandardOutput()));
    QVERIFY(dialog->findChild<QLabel*>("ExpectedNumbers")->text().contains("points"));

    auto* table = qobject_cast<QTableView*>(dialog->findChild<QTabWidget*>()->currentWidget());
    table->horizontalHeader()->setSortIndicator(4, Qt::AscendingOrder);  // the chance
    QCOMPARE(table->model()->index(0, 4).data().toString(), QString("1/36"));
    table->horizontalHeader()->setSortIndicator(4, Qt::DescendingOrder);
    QCOMPARE(table->model()->index(0, 4).data().toString(), QString("1/6"));
  }

  // A budget in the window's box gives the band's figures and CSV rows that the command line's
  // --odds --points (or --tons) gives; a band that is no band, or no design list, says why.
  void aBudgetInTheBoxGivesTheBandsOdds_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("told");
    // clang-format off
    QTest::newRow("points") << 0 << "16000-18000" << "";
    QTest::newRow("tons") << 1 << "800" << "";
    QTest::newRow("no band") << 1 << "7x" << "The budget in tons cannot be read";
    QTest::newRow("no list") << 0 << "6000" << "A budget needs the tons and points of a design";
    // clang-format on
  }

  void aBudgetInTheBoxGivesTheBandsOdds() {
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QString, told);
    ScratchFolder alone;  // a table file with no design list beside it
    TestWindow form(told.startsWith("A budget") ? alone.write("T.dat", soundTables())
                                                : std::filesystem::path(SHIPPED_TABLES));
    choose(form, "Davion", "Company", "", "");
    form.BudgetKind->setCurrentIndex(kind);
    form.BudgetBox->setText(typed);
    form.findChild<QAction*>("OddsAction")->trigger();
    auto* dialog = form.findChild<OddsDialog*>();
    QVERIFY2(dialog->budgetOdds().startsWith(told.isEmpty() ? "Budget " : told),
             qPrintable(dialog->budgetOdds()));
    QCOMPARE(dialog->csv().contains("budget,"), told.isEmpty());
    if (!told.isEmpty()) return;
    const QStringList arguments{"--odds", "--faction", "Davion",
                                "--size", "Company",   kind == 0 ? "--points" : "--tons",
                                typed,    "--tables",  SHIPPED_TABLES};
    // The window shows the designs' shares as a table, the command line as lines after the rest.
    const QByteArray listing = commandLineListing(arguments);
    QVERIFY(listing.contains("\n\n" + dialog->budgetOdds().toUtf8() + "  Each design's share"));
    auto* tabs = dialog->findChild<QTabWidget*>();
    QCOMPARE(tabs->tabText(tabs->count() - 1), QString("Within the band (about)"));
    const auto* shares = qobject_cast<QTableView*>(tabs->widget(tabs->count() - 1));
    QCOMPARE(shares->model()->rowCount(),
             QString(listing).section("  Each design's share", 1).count("\n    "));
    QCOMPARE(dialog->csv().toUtf8(), commandLineListing(QStringList(arguments) << "--format"
                                                                               << "csv"));
  }

  // A table file that fails its check gives the odds the command line gives, the checker's
  // findings above them; one whose odds cannot be given shows why, the findings below.
  void aTableFileThatFailsItsCheckGivesItsOddsWithTheFindings() {
    ScratchFolder folder;
    const auto path = folder.write("NoWolf.dat", soundTables().substr(0, 5000));
    // Both find the list beside the table file, wherever each program runs from.
    const QString shippedList = QFileInfo(SHIPPED_TABLES).dir().filePath("Designs.csv");
    folder.write("Designs.csv", contentOf(shippedList).toStdString());
    const FilesInUse files;
    OddsDialog dialog(files, path, {"Wolf", "Star", "", "", false});
    QVERIFY(!dialog.findChild<QPlainTextEdit*>()->isVisibleTo(&dialog));
    QVERIFY(dialog.warning().contains("NoWolf.dat, line "));
    QVERIFY(dialog.warning().contains("--fit-tables"));
    QProcess cli;
    // The dialog is given no skill table here, so crew skill is left out of both.
    cli.start(MUSTERWRIGHT_CLI,
              {"--odds", "--faction", "Wolf", "--size", "Star", "--format", "csv", "--skills",
               "none", "--tables", QString::fromStdString(path.string())});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(dialog.csv(), QString::fromUtf8(cli.readAllStandardOutput()));
    QVERIFY(QString::fromUtf8(cli.readAllStandardError()).contains("NoWolf.dat, line "));

    const auto cut = folder.write("Cut.dat", soundTables().substr(0, 200));
    OddsDialog none(files, cut, {"Kurita", "Lance", "", "", false});
    auto* messages = none.findChild<QPlainTextEdit*>();
    QVERIFY(messages->isVisibleTo(&none));
    QVERIFY(messages->toPlainText().contains("Cut.dat, line "));
    QVERIFY(none.csv().isEmpty());
  }

  void saveAsRefusesTheTableFileInUse() {
    ScratchFolder folder;
    const auto path = folder.write("Tables.dat", soundTables());
    FilesInUse files;
    files.hold(kTableFile, path);
    OddsDialog dialog(files, path, {"Kurita", "Lance", "", "", false});
    dialog.saveCsv(QString::fromStdString((folder.path() / "." / "Tables.dat").string()));
    auto* box = dialog.findChild<QMessageBox*>();
    QVERIFY(box != nullptr && box->text().contains("the table file in use"));
    QCOMPARE(contentOf(QString::fromStdString(path.string())),
             QByteArray::fromStdString(soundTables()));
  }
};

QTEST_MAIN(OddsDialogTest)
#include "odds_dialog_test.moc"
