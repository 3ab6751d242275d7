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
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <chrono>
#include <filesystem>

#include "generator/budget_band.h"
#include "support/band_texts.h"
#include "support/table_files.h"
#include "tables/table_error.h"
#include "ui/made_tables_dialog.h"
#include "window_test_support.h"

namespace {

// The file dialog open over `form`, or null.
QFileDialog* openFileDialog(const TestWindow& form) {
  QFileDialog* dialog = nullptr;
  for (auto* open : form.findChildren<QFileDialog*>())
    if (open->isVisible()) dialog = open;
  return dialog;
}

// Chooses `path` in the file dialog open over `form`.
void acceptFileDialog(const TestWindow& form, const QString& path) {
  QFileDialog* dialog = openFileDialog(form);
  QVERIFY(dialog != nullptr);
  dialog->selectFile(path);
  static_cast<QDialog*>(dialog)->accept();
}

// The Tables From My List… dialog shown over `form`, or null.
MadeTablesDialog* shownDialog(const TestWindow& form) {
  for (auto* dialog : form.findChildren<MadeTablesDialog*>())
    if (dialog->isVisible()) return dialog;
  return nullptr;
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

  // A budget typed beside the seed draws what the command line's --points, --tons or
  // --skill-points draws, the
  // caption shows its band, a band that cannot be met changes nothing, and Recent keeps it.
  void budget() {
    TestWindow form(tables);
    choose(form, "Davion", "Company", "", "");
    form.SeedBox->setText("7");
    const struct {
      int kind;
      QString typed, option, caption, error;
    } rows[] = {
        {0, "16000-18000", "--points",       u"16,000\u201318,000 points"_qs,                 ""                                 },
        {2, "15000-16000", "--skill-points", u"15,000\u201316,000 points with crew skill"_qs, ""                                 },
        {1, " 720-760 ",   "--tons",         u"720\u2013760 tons"_qs,                         ""                                 },
        {0, "6000",        "",               "",                                              "the totals they can reach are"    },
        {1, "7x",          "",               "",                                              "The budget in tons cannot be read"},
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
      const QStringList arguments{"--faction", "Davion",   "--size",       "Company",  "--seed",
                                  "7",         "--tables", SHIPPED_TABLES, row.option, row.typed};
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

  // The budget box reads a band as the engine does: a band pasted from a caption draws what
  // its plain writing draws, and one the engine refuses is refused in the engine's words.
  void budgetAsTheEngineReadsIt() {
    TestWindow form(tables);
    choose(form, "Davion", "Company", "", "");
    form.SeedBox->setText("7");
    const auto draw = [&form](bool tons, const QString& typed) {
      form.BudgetKind->setCurrentIndex(tons ? 1 : 0);
      form.BudgetBox->setText(typed);
      QTest::keyClick(form.BudgetBox, Qt::Key_Return);
      return dismissErrorBox(form);
    };
    for (const auto& [text, tons] : kBandTexts) {
      try {
        const NumberRange range = readBand(text, tons);
        const int unit = tons ? 100 : 1;
        QCOMPARE(draw(tons, QString("%1-%2").arg(range.low / unit).arg(range.high / unit)),
                 QString());
        const QString listing = form.MechBox->toPlainText();
        form.MechBox->clear();
        QCOMPARE(draw(tons, QString::fromUtf8(text)), QString());
        QCOMPARE(form.MechBox->toPlainText(), listing);
      } catch (const BandError& error) {
        QVERIFY(draw(tons, QString::fromUtf8(text)).contains(QString::fromUtf8(error.what())));
      }
    }
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
      QVERIFY(told && told->text().startsWith("1 of the 487 designs of Mine.csv is in no table"));
      QVERIFY(told->detailedText().startsWith(mine + ", line 488: \"Mailfsit\" is in no table"));
      QCOMPARE(form.FilesLabel->wholeText(), "Tables.dat\nMine.csv");
      QVERIFY(form.FilesLabel->toolTip().contains("Design list: " + mine + ", chosen\n"));
      // Each chooser opens in the folder of its file in use.
      for (const auto& [chooser, folder] : {
               std::pair{"ChooseDesignList", scratch.path()                  },
               {"ChooseTableFile",  QFileInfo(SHIPPED_TABLES).path()}
      }) {
        QMetaObject::invokeMethod(&form, chooser);
        QCOMPARE(openFileDialog(form)->directory(), QDir(folder));
        openFileDialog(form)->reject();
      }
    }
    TestWindow form(tables);
    choose(form, "Davion", "Company", "", "");
    form.SeedBox->setText("7");
    form.BudgetBox->setText("8000-9000");
    form.GButton->click();
    QCOMPARE(dismissErrorBox(form), QString());
    QCOMPARE(form.MechBox->toPlainText().toUtf8() + "\n",
             commandLineListing(QStringList(budget) << "--designs" << mine));
    // The totals follow the shipped list at once; the force, drawn within its band with Mine's
    // halved points, leaves it under the shipped list, which a notice says, and the seed line
    // keeps its band.
    const QString totals = form.TotalsLabel->text();
    action(form, "ShippedDesignsAction");
    QVERIFY(form.TotalsLabel->text() != totals);
    QMessageBox* left = openErrorBox(form);
    QVERIFY(left != nullptr && left->text().contains("this force's totals leave the band it was "
                                                     "drawn in, 8,000\u20139,000 points: "));
    left->close();
    QVERIFY(form.SeedLabel->text().endsWith(u"8,000\u20139,000 points"_qs));
    form.GButton->click();
    // The engine's "no force within ..." opens as a sentence in the box.
    QVERIFY(dismissErrorBox(form).startsWith("No force within 8,000\u20139,000 points"));
  }

  // A skill table chosen through the window's menu gives the totals the command line gives with
  // the same --skills, is remembered by the next window and never written over; a refused one
  // shows its rows and changes nothing; the shipped table comes back from the menu.
  void skillTableChosen() {
    const QString mine = QDir(scratch.path()).filePath("Crew.csv");
    QString table = "piloting,gunnery,percent\n";
    for (int piloting = 1; piloting <= 7; ++piloting)
      for (int gunnery = 1; gunnery <= 7; ++gunnery)
        table += QString("%1,%2,%3\n").arg(piloting).arg(gunnery).arg(200 - 10 * gunnery);
    writeFile(mine, (table + "9,9,50\n").toUtf8());
    const QString bad = QDir(scratch.path()).filePath("BadCrew.csv");
    writeFile(bad, "piloting,gunnery,percent\n5,4,lots\n");
    const QStringList company{"--faction", "Davion",   "--size",   "Company",     "--seed",
                              "7",         "--totals", "--tables", SHIPPED_TABLES};
    const auto totalsLine = [](const QStringList& arguments) {
      return commandLineListing(arguments).trimmed().split('\n').last();
    };
    {
      TestWindow form(tables);
      choose(form, "Davion", "Company", "", "");
      form.SeedBox->setText("7");
      form.GButton->click();
      QCOMPARE(form.TotalsLabel->wholeText().toUtf8(), totalsLine(company));
      form.findChild<QAction*>("SkillTableAction")->trigger();
      acceptFileDialog(form, bad);
      QVERIFY(dismissErrorBox(form).contains("BadCrew.csv, line 2: percent \"lots\""));
      QCOMPARE(form.TotalsLabel->wholeText().toUtf8(), totalsLine(company));
      form.findChild<QAction*>("SkillTableAction")->trigger();
      acceptFileDialog(form, mine);
      QMessageBox* told = openErrorBox(form);
      QVERIFY(told && told->detailedText().contains(
                          mine + ", line 51: piloting 9, gunnery 9 is a crew no rule table rolls"));
      told->close();
      QCOMPARE(form.TotalsLabel->wholeText().toUtf8(),
               totalsLine(QStringList(company) << "--skills" << mine));
      QCOMPARE(form.SkillsLabel->wholeText(), "Crew.csv");
      QVERIFY(form.SkillsLabel->toolTip().endsWith("Skill table: " + mine + ", chosen"));
      form.FileName->setText(mine);
      form.ToFile->click();
      QVERIFY(dismissErrorBox(form).contains("it is the skill table in use"));
    }
    TestWindow form(tables);
    choose(form, "Davion", "Company", "", "");
    form.SeedBox->setText("7");
    form.GButton->click();
    QCOMPARE(form.TotalsLabel->wholeText().toUtf8(),
             totalsLine(QStringList(company) << "--skills" << mine));
    form.findChild<QAction*>("ShippedSkillsAction")->trigger();
    QCOMPARE(form.TotalsLabel->wholeText().toUtf8(), totalsLine(company));
    QCOMPARE(form.SkillsLabel->wholeText(), "Skills.csv");
  }

  // A design list with 300 findings, refused for its bad rows or used with its names in no
  // table, lists every one in the box, whose OK button stays on the screen.
  void longFindingsStayInReach_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("finding");
    QTest::addColumn<int>("count");
    QTest::newRow("bad rows") << "Design %1,many,1"
                              << "Long.csv is not used"
                              << "Long.csv, line 301: tons \"many\" of \"Design 300\"" << 300;
    // A list used is also told, after its rows, that it lacks battle armour's numbers.
    QTest::newRow("in no table") << "Design %1,50,900"
                                 << "None of the 300 designs"
                                 << "Long.csv, line 301: \"Design 300\" is in no table" << 301;
  }

  void longFindingsStayInReach() {
    QFETCH(QString, row);
    QFETCH(QString, heading);
    QFETCH(QString, finding);
    QFETCH(int, count);
    QString list = "design,tons,points\n";
    for (int k = 1; k <= 300; ++k) list += row.arg(k) + "\n";
    const QString file = scratch.filePath("Long.csv");
    writeFile(file, list.toUtf8());
    TestWindow form(tables);
    form.findChild<QAction*>("DesignListAction")->trigger();
    acceptFileDialog(form, file);
    QMessageBox* box = openErrorBox(form);
    QVERIFY(box != nullptr && box->text().contains(heading));
    const QStringList findings = box->detailedText().split(u'\n');
    QCOMPARE(findings.size(), count);
    QVERIFY2(findings.at(299).startsWith(scratch.filePath(finding)), qPrintable(findings.at(299)));
    auto* listed = box->findChild<QTextEdit*>();
    QVERIFY(listed != nullptr && listed->isVisible() && listed->verticalScrollBar()->maximum() > 0);
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    QVERIFY(box->screen()->availableGeometry().contains(
        QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
    box->close();
    form.findChild<QAction*>("ShippedDesignsAction")->trigger();
  }

  // Tables laid out from the list in use: refused for the shipped list, which has no layout
  // columns; the report, Save As refusing the table file in use and writing the command line's
  // --make-tables bytes, then Use; a budget typed then gives, byte for byte, the command line's
  // listing with the same --designs, --tables and --points. Laid out again from the list changed,
  // over the same base, Use replaces the made tables, and what the list dropped is gone; a list
  // that cannot be laid out is refused before any dialog, with the command line's problems.
  void tablesFromMyList() {
    qputenv("XDG_DATA_HOME", scratch.filePath("data").toLocal8Bit());
    QByteArray list = contentOf(QFileInfo(SHIPPED_TABLES).dir().filePath("Designs.csv"));
    list.replace("\n", ",,,,\n").replace("points,,,,", "points,weight_class,kind,factions,rarity");
    const QString mine = scratch.filePath("Laid.csv");
    writeFile(mine, list +
                        "Pike,25,500,Light,,all,rare\nHalberd,30,600,Light,,all,common\n"
                        "Glaive,35,700,Light,,davion,uncommon\n");
    TestWindow form(tables);
    form.findChild<QAction*>("MadeTablesAction")->trigger();
    QVERIFY(dismissErrorBox(form).contains("Designs.csv: no row has a weight_class"));
    form.findChild<QAction*>("DesignListAction")->trigger();
    acceptFileDialog(form, mine);
    // Pike, Halberd and Glaive are in no table yet: the box offers to lay tables out.
    QMessageBox* told = openErrorBox(form);
    QVERIFY(told != nullptr && told->text().startsWith("3 of the "));
    QCOMPARE(told->detailedText().count(u'\n'), 2);
    QAbstractButton* offered = nullptr;
    for (QAbstractButton* button : told->buttons())
      if (button->text() == "Tables From My List…") offered = button;
    QVERIFY(offered != nullptr);
    offered->click();
    MadeTablesDialog* dialog = shownDialog(form);
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QVERIFY(dialog->report().contains("Davion Light") && dialog->report().contains(" left."));

    const QString made = scratch.filePath("Made.dat");
    dialog->saveMade(QString::fromStdString(tables.string()));
    QVERIFY(dismissErrorBox(*dialog).contains("the table file in use"));
    dialog->saveMade(made);
    QCOMPARE(contentOf(made),
             commandLineListing({"--make-tables", mine, "--tables", SHIPPED_TABLES}));
    dialog->useMade();
    QCOMPARE(form.FilesLabel->wholeText(), "Laid-tables.dat\nLaid.csv");
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

    writeFile(mine, list + "Pike,25,500,Light,,all,rare\nPartisan,30,650,Light,,davion,common\n");
    form.findChild<QAction*>("MadeTablesAction")->trigger();
    dialog = shownDialog(form);
    QVERIFY(dialog != nullptr && dialog->report().contains(" over " + QString(SHIPPED_TABLES)));
    dialog->useMade();
    QCOMPARE(dismissErrorBox(form), QString());
    const QString inUse = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                              .filePath("Laid-tables.dat");
    QCOMPARE(contentOf(inUse),
             commandLineListing({"--make-tables", mine, "--tables", SHIPPED_TABLES}));
    QVERIFY(!contentOf(inUse).contains("Glaive") && contentOf(inUse).contains("Partisan"));
    form.BudgetBox->clear();
    form.GButton->click();
    QCOMPARE(dismissErrorBox(form), QString());
    QVERIFY(!form.MechBox->toPlainText().contains("Glaive"));
    // Chosen with Ctrl+O, the made file is the player's, its own base, never written over by Use.
    QMetaObject::invokeMethod(&form, "ChooseTableFile");
    acceptFileDialog(form, inUse);
    form.findChild<QAction*>("MadeTablesAction")->trigger();
    dialog = shownDialog(form);
    QVERIFY(dialog != nullptr && dialog->report().contains(" over " + inUse + "."));
    const QByteArray chosen = contentOf(inUse);
    dialog->useMade();
    QVERIFY(dismissErrorBox(*dialog).contains("it is the table file in use"));
    QCOMPARE(contentOf(inUse), chosen);
    dialog->close();

    writeFile(mine, list + "Heavy,25,500,Huge,,all,rare\nDavion,30,x,Light,,davion,common\n");
    form.findChild<QAction*>("MadeTablesAction")->trigger();
    QProcess program;
    program.start(MUSTERWRIGHT_CLI, {"--make-tables", mine, "--tables", SHIPPED_TABLES});
    QVERIFY(program.waitForFinished(30000));
    QStringList problems = QString::fromUtf8(program.readAllStandardError()).split(u'\n');
    problems.removeIf(
        [](const QString& line) { return line.isEmpty() || line.startsWith("musterwright-cli:"); });
    QCOMPARE(problems.size(), 4);
    QCOMPARE(dismissErrorBox(form),
             "The tables of " + mine + " were not laid out.\n" + problems.join(u'\n'));
    QCOMPARE(shownDialog(form), nullptr);
    form.findChild<QAction*>("ShippedDesignsAction")->trigger();
  }

  // The files in use kept as one set: after a restart the made tables, their base and the list
  // are in use again (the table file not with --tables), and a budget draws the command line's
  // force from them; when a file of the set is gone, a notice names it and none of it is used.
  void keptFilesAfterARestart() {
    const QString mine = scratch.filePath("Kept.csv");
    writeFile(mine,
              "design,tons,points,weight_class,factions\nPike,25,500,Light,all\n"
              "Halberd,30,600,Medium,all\nGlaive,60,1300,Heavy,all\n"
              "Bardiche,90,2000,Assault,all\nElemental,1,300,,\n");
    const QString made = scratch.filePath("Kept-tables.dat");
    writeFile(made, commandLineListing({"--make-tables", mine, "--tables", SHIPPED_TABLES}));
    const QString crew = scratch.filePath("KeptCrew.csv");
    writeFile(crew, "piloting,gunnery,percent\n4,3,150\n4,4,130\n5,4,100\n5,5,90\n");
    QSettings settings(QStringLiteral("musterwright"), QStringLiteral("musterwright"));
    settings.setValue("tables/made", made);
    settings.setValue("tables/base", QString(SHIPPED_TABLES));
    settings.setValue("designs/file", mine);
    settings.setValue("skills/file", crew);
    {
      TestWindow form;
      form.Start(std::nullopt);
      QCOMPARE(dismissErrorBox(form), QString());
      QCOMPARE(form.FilesLabel->wholeText(), "Kept-tables.dat\nKept.csv");
      QCOMPARE(form.SkillsLabel->wholeText(), "KeptCrew.csv");
      choose(form, "Wolf", "Star", "", "");
      form.SeedBox->setText("3");
      form.BudgetBox->setText("5000-9000");
      form.GButton->click();
      QCOMPARE(dismissErrorBox(form), QString());
      const QStringList drawn{"--designs", mine,        "--tables", made,       "--faction",
                              "Wolf",      "--size",    "Star",     "--seed",   "3",
                              "--points",  "5000-9000", "--totals", "--skills", crew};
      QCOMPARE(form.MechBox->toPlainText().toUtf8() + "\n\n" +
                   form.TotalsLabel->wholeText().toUtf8() + "\n",
               commandLineListing(drawn));
      form.findChild<QAction*>("MadeTablesAction")->trigger();
      MadeTablesDialog* dialog = shownDialog(form);
      QVERIFY(dialog != nullptr && dialog->report().contains(" over " + QString(SHIPPED_TABLES)));
    }
    {
      TestWindow form(tables);
      QCOMPARE(form.FilesLabel->wholeText(), "Tables.dat\nKept.csv");
      QCOMPARE(form.SkillsLabel->wholeText(), "KeptCrew.csv");
    }
    QVERIFY(QFile::remove(made));
    TestWindow form;
    form.Start(std::nullopt);
    // The notice (1, information), and the table file looked up as at a first start (3, error).
    QStringList shown;
    for (auto* box : form.findChildren<QMessageBox*>())
      if (box->isVisible()) shown << QString::number(box->icon()) + " " + box->text();
    shown.sort();
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown[0].startsWith("1 Gone since the last run: the made tables \"" + made + "\"."));
    QVERIFY(shown[1].startsWith("3 Tables.dat was found nowhere"));
    QVERIFY(!form.FilesLabel->wholeText().contains("Kept"));
    QVERIFY(!form.SkillsLabel->wholeText().contains("Kept"));
    for (const char* key :
         {"tables/file", "tables/made", "tables/base", "designs/file", "skills/file"})
      settings.remove(key);
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

  // Printing (here to a PDF) holds the seed line, the listing's lines as they stand, edits
  // included, and the force's totals and the page number.
  void printToPdf() {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    TestWindow form(tables);
    choose(form, "Davion", "Company", "", "");
    form.SeedBox->setText("1");
    form.BudgetBox->setText("12000");
    form.GButton->click();
    QCOMPARE(dismissErrorBox(form), QString());
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
    QStringList printed, shown{form.SeedLabel->text()};
    QVERIFY(shown[0].contains(u"11,400–12,000 points"_qs));
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
