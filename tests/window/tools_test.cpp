// SPDX-License-Identifier: MIT
// The window's tools around a force: the seed (typed or drawn, always shown) and its
// agreement with the command line, Save As, never saving over the table file, choosing the
// table file and reading it again when edited, printing, and the keys that open them.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>

#include "support/table_files.h"
#include "tables/table_error.h"
#include "ui/made_tables_dialog.h"
#include "window_test_support.h"

namespace {

// Chooses `path` in the file dialog open over `form`.
void acceptFileDialog(const TestWindow& form, const QString& path) {
  QFileDialog* dialog = nullptr;
  for (auto* open : form.findChildren<QFileDialog*>())
    if (open->isVisible()) dialog = open;
  QVERIFY(dialog != nullptr);
  dialog->selectFile(path);
  static_cast<QDialog*>(dialog)->accept();
}

}  // namespace

class ToolsTest : public QObject {
  Q_OBJECT

  QTemporaryDir scratch;
  // The table file each test's window generates from.
  std::filesystem::path tables;

 private Q_SLOTS:
  void initTestCase() { QVERIFY(QDir::setCurrent(scratch.path())); }
  void init() { tables = SHIPPED_TABLES; }

  void sameAsCommandLine_data() {
    QTest::addColumn<QString>("seed");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("vehicles");
    QTest::newRow("House Company")
        << "1" << QStringList{"Davion", "Company", "Heavy", "Veteran"} << false;
    QTest::newRow("Clan Binary, vehicles")
        << "42" << QStringList{"Wolf", "Binary", "", "Green"} << true;
    QTest::newRow("all Random") << "4294967295" << QStringList{"", "", "", ""} << false;
    QTest::newRow("Clan Galaxy, vehicles")
        << "0" << QStringList{"Smoke Jaguar", "Galaxy", "", "Elite"} << true;
  }

  // The same seed and choices give the window and the command line the same bytes.
  void sameAsCommandLine() {
    QFETCH(QString, seed);
    QFETCH(QStringList, choices);
    QFETCH(bool, vehicles);
    TestWindow form(tables);
    choose(form, choices[0], choices[1], choices[2], choices[3]);
    form.Vehicle->setChecked(vehicles);
    form.SeedBox->setText(seed);
    form.GButton->click();
    QCOMPARE(dismissErrorBox(form), QString());
    QCOMPARE(form.SeedLabel->text(), "Seed: " + seed);

    QStringList arguments{"--seed", seed, "--tables", SHIPPED_TABLES};
    const QStringList options{"--faction", "--size", "--weight", "--experience"};
    for (int i = 0; i < 4; ++i)
      if (!choices[i].isEmpty()) arguments << options[i] << choices[i];
    if (vehicles) arguments << "--vehicles";
    QCOMPARE(form.MechBox->toPlainText().toUtf8() + "\n", commandLineListing(arguments));
    const QByteArray withTotals = commandLineListing(arguments << "--totals");
    QVERIFY(form.TotalsLabel->text().startsWith("Total: "));
    QVERIFY(withTotals.endsWith("\n\n" + form.TotalsLabel->text().toUtf8() + "\n"));
  }

  // A typed seed is used, blanks around it ignored; a text that is no seed is refused and
  // changes nothing; an empty box draws a fresh seed for every Generate.
  void typedSeed() {
    TestWindow form(tables);
    choose(form, "Kurita", "Batallion", "", "");
    form.SeedBox->setText(" 7 ");
    form.GButton->click();
    const QString drawn = form.MechBox->toPlainText();
    form.MechBox->clear();
    form.GButton->click();
    QCOMPARE(form.MechBox->toPlainText(), drawn);
    QCOMPARE(form.SeedLabel->text(), QStringLiteral("Seed: 7"));

    for (const QString bad : {"-1", "4294967296", "7x", "+7", "seven"}) {
      form.SeedBox->setText(bad);
      form.GButton->click();
      const QString message = dismissErrorBox(form);
      QVERIFY2(message.contains("0 to 4294967295") && message.contains(bad), qPrintable(bad));
      QCOMPARE(form.MechBox->toPlainText(), drawn);
      QCOMPARE(form.SeedLabel->text(), QStringLiteral("Seed: 7"));
    }

    form.SeedBox->clear();
    form.GButton->click();
    const QString first = form.SeedLabel->text();
    form.GButton->click();
    QVERIFY(first.startsWith("Seed: ") && form.SeedLabel->text() != first);
  }

  // A budget typed beside the seed draws what the command line's --points or --tons draws, the
  // caption shows its band, a band that cannot be met changes nothing, and Recent keeps it.
  void budget() {
    TestWindow form(tables);
    choose(form, "Davion", "Company", "", "");
    form.SeedBox->setText("7");
    const struct {
      int kind;
      QString typed, option, caption, error;
    } rows[] = {
        {0, "16000-18000", "--points", u"16,000\u201318,000 points"_qs, ""                                 },
        {1, " 720-760 ",   "--tons",   u"720\u2013760 tons"_qs,         ""                                 },
        {0, "6000",        "",         "",                              "the totals they can reach are"    },
        {1, "7x",          "",         "",                              "The budget in tons cannot be read"},
    };
    for (const auto& row : rows) {
      const QString before = form.MechBox->toPlainText();
      form.BudgetKind->setCurrentIndex(row.kind);
      form.BudgetBox->setText(row.typed);
      QTest::keyClick(form.BudgetBox, Qt::Key_Return);
      const QString message = dismissErrorBox(form);
      if (!row.error.isEmpty()) {
        QVERIFY2(message.contains(row.error), qPrintable(message));
        QCOMPARE(form.MechBox->toPlainText(), before);
        continue;
      }
      QCOMPARE(message, QString());
      QVERIFY2(form.SeedLabel->text().endsWith(row.caption), qPrintable(form.SeedLabel->text()));
      const QStringList arguments{
          "--faction", "Davion",   "--size",       "Company",  "--seed",
          "7",         "--tables", SHIPPED_TABLES, row.option, row.typed.trimmed()};
      QCOMPARE(form.MechBox->toPlainText().toUtf8() + "\n", commandLineListing(arguments));
    }
    const QString drawn = form.MechBox->toPlainText();
    form.BudgetBox->clear();
    form.BudgetKind->setCurrentIndex(0);
    Q_EMIT form.RecentButton->menu()->aboutToShow();
    form.RecentButton->menu()->actions()[0]->trigger();
    QCOMPARE(form.MechBox->toPlainText(), drawn);
    QCOMPARE(form.BudgetKind->currentIndex(), 1);
    QCOMPARE(form.BudgetBox->text(), QString("720-760"));
  }

  // A design list chosen through the window's menu is used, remembered by the next window, and
  // with a budget gives the command line's listing with the same --designs; a refused list shows
  // its rows and changes nothing; the shipped list comes back from the menu.
  void designListChosen() {
    QStringList rows =
        QString::fromUtf8(contentOf(QFileInfo(SHIPPED_TABLES).dir().filePath("Designs.csv")))
            .split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype k = 1; k < rows.size(); ++k) {
      QStringList cells = rows[k].split(u',');
      cells[2] = QString::number(cells[2].toInt() / 2);
      rows[k] = cells.join(u',');
    }
    const QString mine = QDir(scratch.path()).filePath("Mine.csv");
    writeFile(mine, (rows.join(u'\n') + "\nMailfsit,50,900\n").toUtf8());
    const QString bad = QDir(scratch.path()).filePath("Bad.csv");
    writeFile(bad, "design,points\nMailfist,many\n");
    const auto action = [](const TestWindow& form, const char* name) {
      form.findChild<QAction*>(name)->trigger();
    };
    const QStringList budget{"--faction", "Davion",   "--size",    "Company",  "--seed",
                             "7",         "--points", "8000-9000", "--tables", SHIPPED_TABLES};
    {
      TestWindow form(tables);
      action(form, "DesignListAction");
      acceptFileDialog(form, bad);
      QVERIFY(dismissErrorBox(form).contains("Bad.csv, line 2: points \"many\""));
      action(form, "DesignListAction");
      acceptFileDialog(form, mine);
      QMessageBox* told = openErrorBox(form);
      QVERIFY(told != nullptr && told->text().contains("line 488: \"Mailfsit\" is in no table"));
    }
    TestWindow form(tables);
    choose(form, "Davion", "Company", "", "");
    form.SeedBox->setText("7");
    form.BudgetBox->setText("8000-9000");
    form.GButton->click();
    QCOMPARE(dismissErrorBox(form), QString());
    QCOMPARE(form.MechBox->toPlainText().toUtf8() + "\n",
             commandLineListing(QStringList(budget) << "--designs" << mine));
    action(form, "ShippedDesignsAction");
    form.GButton->click();
    QVERIFY(dismissErrorBox(form).contains("no force within 8,000\u20139,000 points"));
  }

  // Tables laid out from the list in use: the report, Save As refusing the table file in use and
  // writing the command line's --make-tables bytes, then Use; a budget typed then gives, byte for
  // byte, the command line's listing with the same --designs, --tables and --points.
  void tablesFromMyList() {
    qputenv("XDG_DATA_HOME", scratch.filePath("data").toLocal8Bit());
    QByteArray list = contentOf(QFileInfo(SHIPPED_TABLES).dir().filePath("Designs.csv"));
    list.replace("\n", ",,,,\n").replace("points,,,,", "points,weight_class,kind,factions,rarity");
    list +=
        "Pike,25,500,Light,,all,rare\nHalberd,30,600,Light,,all,common\n"
        "Glaive,35,700,Light,,davion,uncommon\n";
    const QString mine = scratch.filePath("Laid.csv");
    writeFile(mine, list);
    TestWindow form(tables);
    form.findChild<QAction*>("MadeTablesAction")->trigger();
    QVERIFY(dismissErrorBox(form).contains("Choose your design list first"));
    form.findChild<QAction*>("DesignListAction")->trigger();
    acceptFileDialog(form, mine);
    openErrorBox(form)->close();  // Pike, Halberd and Glaive are in no table yet
    form.findChild<QAction*>("MadeTablesAction")->trigger();
    auto* dialog = form.findChild<MadeTablesDialog*>();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QVERIFY(dialog->report().contains("Davion Light") && dialog->report().contains(" left."));

    const QString made = scratch.filePath("Made.dat");
    dialog->saveMade(QString::fromStdString(tables.string()));
    QVERIFY(dismissErrorBox(*dialog).contains("the table file in use"));
    dialog->saveMade(made);
    QCOMPARE(contentOf(made),
             commandLineListing({"--make-tables", mine, "--tables", SHIPPED_TABLES}));
    dialog->useMade();
    choose(form, "Davion", "Company", "Light", "");
    form.SeedBox->setText("7");
    form.BudgetBox->setText("11000-13000");
    form.GButton->click();
    QCOMPARE(dismissErrorBox(form), QString());
    QVERIFY(form.MechBox->toPlainText().contains("Glaive"));
    QCOMPARE(form.MechBox->toPlainText().toUtf8() + "\n",
             commandLineListing({"--designs", mine, "--tables", made, "--faction", "Davion",
                                 "--size", "Company", "--weight", "Light", "--seed", "7",
                                 "--points", "11000-13000"}));
    form.findChild<QAction*>("ShippedDesignsAction")->trigger();
  }

  // Save To File refuses the table file by another name, and the design list beside it (the names
  // it is known by are the roster layer's test) and leaves it byte for byte.
  void neverOverTheTableFile() {
    QVERIFY(QFile::copy(SHIPPED_TABLES, "Tables.dat"));
    QVERIFY(QFile::link("Tables.dat", "link.dat"));
    const QString designs = QFileInfo(SHIPPED_TABLES).dir().filePath("Designs.csv");
    QVERIFY(QFile::copy(designs, "Designs.csv"));
    tables = "Tables.dat";
    TestWindow form(tables);
    form.MechBox->setPlainText("a roster");
    form.FileName->setText("link.dat");
    form.ToFile->click();
    QVERIFY(dismissErrorBox(form).contains("it is the table file in use"));
    QCOMPARE(contentOf("Tables.dat"), contentOf(SHIPPED_TABLES));

    form.FileName->setText("Designs.csv");
    form.ToFile->click();
    QVERIFY(dismissErrorBox(form).contains("it is the design list in use"));
    QCOMPARE(contentOf("Designs.csv"), contentOf(designs));
  }

  // Save As opens in the folder of the current name; the name chosen goes into the file name
  // box and is saved to.
  void saveAs() {
    QVERIFY(QDir().mkpath("rosters"));
    TestWindow form(tables);
    form.FileName->setText("rosters/old.txt");
    form.MechBox->setPlainText("Kurita\nmy own line");
    form.SaveAsButton->click();
    QCOMPARE(form.findChild<QFileDialog*>()->directory(), QDir("rosters").absolutePath());
    const QString chosen = QDir("rosters").absoluteFilePath("new.txt");
    acceptFileDialog(form, chosen);
    QCOMPARE(form.FileName->text(), chosen);
    QCOMPARE(contentOf(chosen), QByteArray("Kurita\r\nmy own line\r\n"));
  }

  // An edited table file (here the same size, a later time) is read again by the next
  // Generate; one that can no longer be read is reported and the listing stays.
  void editedTableFile() {
    const QString file = scratch.filePath("edited.dat");
    QByteArray bytes = QByteArray::fromStdString(soundTables());
    writeFile(file, bytes);
    TestWindow form(file.toStdString());
    choose(form, "Kurita", "Lance", "Heavy", "Regular");
    form.GButton->click();
    QVERIFY(listing(form)[5].startsWith("Kur "));

    const auto before = std::filesystem::last_write_time(file.toStdString());
    writeFile(file, bytes.replace("\nKur ", "\nNew "));
    std::filesystem::last_write_time(file.toStdString(), before + std::chrono::seconds(1));
    form.GButton->click();
    QVERIFY(listing(form)[5].startsWith("New "));

    const QString shown = form.MechBox->toPlainText();
    QVERIFY(QFile::remove(file));
    form.GButton->click();
    QVERIFY(dismissErrorBox(form).contains("edited.dat"));
    QCOMPARE(form.MechBox->toPlainText(), shown);
  }

  // A table file that cannot be read is reported with "Choose Table File…"; the file chosen
  // there is used at once.
  void chooseTableFile() {
    TestWindow form("missing.dat");
    QMessageBox* box = openErrorBox(form);
    QVERIFY(box != nullptr && box->text().contains("missing.dat"));
    QPushButton* choice = nullptr;
    for (QAbstractButton* button : box->buttons())
      if (button->text() == "Choose Table File…") choice = qobject_cast<QPushButton*>(button);
    QVERIFY(choice != nullptr);
    choice->click();
    acceptFileDialog(form, SHIPPED_TABLES);
    QCOMPARE(openErrorBox(form), nullptr);
    form.GButton->click();
    QCOMPARE(dismissErrorBox(form), QString());
    QVERIFY(listing(form).size() > 4);
  }

  // Printing (here to a PDF) holds the listing's lines as they stand, edits included, and
  // the force's totals and the page number.
  void printToPdf() {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    TestWindow form(tables);
    choose(form, "Davion", "Company", "", "");
    form.SeedBox->setText("1");
    form.GButton->click();
    form.MechBox->appendPlainText("my own note");
    form.PrintButton->click();
    auto* dialog = form.findChild<QPrintDialog*>();
    QVERIFY(dialog != nullptr);
    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog->printer()->setOutputFileName(scratch.filePath("listing.pdf"));
    dialog->done(QDialog::Accepted);

    QProcess reader;
    reader.start(pdftotext, {"-layout", scratch.filePath("listing.pdf"), "-"});
    QVERIFY(reader.waitForFinished(30000));
    QStringList printed, shown;
    for (const QString& line : QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n'))
      if (!line.trimmed().isEmpty() && line != "\f")
        printed << line.trimmed().normalized(QString::NormalizationForm_KC);
    for (const QString& line : listing(form))
      if (!line.trimmed().isEmpty()) shown << line;
    QCOMPARE(printed, shown << form.TotalsLabel->text() << "1");
  }

  // Ctrl+Shift+S, Ctrl+P and Ctrl+O open their dialogs.
  void keysOpenDialogs() {
    TestWindow form(tables);
    form.show();
    const std::pair<QKeyCombination, const char*> keys[] = {
        {Qt::CTRL | Qt::SHIFT | Qt::Key_S, "QFileDialog" },
        {Qt::CTRL | Qt::Key_P,             "QPrintDialog"},
        {Qt::CTRL | Qt::Key_O,             "QFileDialog" },
    };
    for (const auto& [combination, kind] : keys) {
      QApplication::setActiveWindow(&form);
      QVERIFY(QTest::qWaitForWindowActive(&form));
      QTest::keyClick(&form, combination.key(), combination.keyboardModifiers());
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY2(dialog != nullptr && dialog->inherits(kind), kind);
      dialog->reject();
      QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }
};

QTEST_MAIN(ToolsTest)
#include "tools_test.moc"
