// SPDX-License-Identifier: MIT
// Re-rolls as a player makes them in the window, by key at the text cursor and from the
// listing's menu, checked against the command line drawing the same record; undoing them over
// edits; and the Recent list read back by the next window.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "window_test_support.h"

namespace {

// The listing `musterwright-cli` prints for `force`, a faction and a size ("Wolf Binary";
// Regular, any weight), with `seed` and the re-rolls `record`, in the window's form (no line
// end after the last line).
QString commandLine(const QString& force, int seed, const QString& record) {
  return QString::fromUtf8(commandLineListing({"--faction", force.section(' ', 0, 0), "--size",
                                               force.section(' ', 1), "--experience", "Regular",
                                               "--seed", QString::number(seed), "--reroll", record,
                                               "--tables", SHIPPED_TABLES}))
      .chopped(1);
}

void generate(TestWindow& form, const QString& force, int seed) {
  choose(form, force.section(' ', 0, 0), force.section(' ', 1), "", "Regular");
  form.SeedBox->setText(QString::number(seed));
  form.GButton->click();
}

void putCursorOn(TestWindow& form, int line) {
  form.MechBox->setTextCursor(QTextCursor(form.MechBox->document()->findBlockByNumber(line)));
}

void showActive(TestWindow& form) {
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  form.MechBox->setFocus();
}

// The re-roll entries of the listing's menu with their keys, and any of Qt's own edit entries
// missing from it.
QStringList menuEntries(QMenu* menu) {
  QStringList entries;
  for (QAction* action : menu->actions())
    if (action->text().endsWith(" Again"))
      entries << action->text() + " " + action->shortcut().toString();
  QStringList edits;
  for (QAction* action : menu->actions()) edits << action->text().remove(u'&').section(u'\t', 0, 0);
  for (const char* edit : {"Undo", "Copy", "Paste", "Select All"})
    if (!edits.contains(edit)) entries << QStringLiteral("missing %1").arg(edit);
  return entries;
}

void answer(TestWindow& form, QMessageBox::StandardButton button) {
  QMessageBox* box = openErrorBox(form);
  QVERIFY(box && box->icon() == QMessageBox::Question);
  box->button(button)->click();
}

}  // namespace

class RerollTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // A faction and a size in `force`. Davion "Company": groups open at lines 4, 9 and 14; Wolf
  // "Binary": at lines 4 and 10.
  void keysRerollTheirOwnLines_data() {
    QTest::addColumn<QString>("force");
    QTest::addColumn<int>("line");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("firstChanged");
    QTest::addColumn<int>("lastChanged");
    const QKeySequence group(Qt::CTRL | Qt::Key_L), others(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
        slot(Qt::CTRL | Qt::Key_T);
    QTest::newRow("lance, its separator") << "Davion Company" << 9 << group << "2" << 10 << 13;
    QTest::newRow("last lance, last slot") << "Davion Company" << 18 << group << "3" << 15 << 18;
    QTest::newRow("slot") << "Davion Company" << 11 << slot << "2.2" << 11 << 11;
    QTest::newRow("keep a lance") << "Davion Company" << 6 << others << "2,3" << 10 << 18;
    QTest::newRow("star") << "Wolf Binary" << 12 << group << "2" << 11 << 15;
    QTest::newRow("star's last slot") << "Wolf Binary" << 15 << slot << "2.5" << 15 << 15;
    QTest::newRow("slot key on a separator") << "Davion Company" << 9 << slot << "" << 0 << -1;
  }

  void keysRerollTheirOwnLines() {
    QFETCH(QString, force);
    QFETCH(int, line);
    QFETCH(QKeySequence, key);
    QFETCH(QString, record);
    QFETCH(int, firstChanged);
    QFETCH(int, lastChanged);
    TestWindow form(SHIPPED_TABLES);
    showActive(form);
    generate(form, force, 42);
    const QStringList before = listing(form);
    putCursorOn(form, line);
    QTest::keySequence(form.MechBox, key);
    const QStringList after = listing(form);
    for (int i = 0; i < before.size(); ++i)
      if (i < firstChanged || i > lastChanged) QCOMPARE(after[i], before[i]);
    QCOMPARE(form.MechBox->toPlainText(), commandLine(force, 42, record));
    QCOMPARE(form.SeedLabel->text(), record.isEmpty()
                                         ? "Seed: 42"
                                         : "Seed: 42 · re-rolled " + record.split(',').join(", "));
    QCOMPARE(form.MechBox->textCursor().blockNumber(), line);
  }

  void menuOffersTheLinesRerolls_data() {
    QTest::addColumn<QString>("force");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("slot of a lance")
        << "Davion Company" << 6
        << QStringList{"Roll This Lance Again Ctrl+L",
                       "Keep This Lance, Roll the Others Again Ctrl+Shift+L",
                       "Roll This Slot Again Ctrl+T"};
    QTest::newRow("separator of a star")
        << "Wolf Binary" << 10
        << QStringList{"Roll This Star Again Ctrl+L",
                       "Keep This Star, Roll the Others Again Ctrl+Shift+L"};
    QTest::newRow("header line") << "Davion Company" << 0 << QStringList{};
  }

  void menuOffersTheLinesRerolls() {
    QFETCH(QString, force);
    QFETCH(int, line);
    QFETCH(QStringList, entries);
    TestWindow form(SHIPPED_TABLES);
    showActive(form);
    generate(form, force, 5);
    putCursorOn(form, line);
    QTest::keyClick(form.MechBox, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menuEntries(menu), entries);
    menu->close();
  }

  // A right click acts on the line clicked, wherever the text cursor is.
  void menuActsOnTheLineClicked() {
    TestWindow form(SHIPPED_TABLES);
    showActive(form);
    generate(form, "Davion Company", 42);
    putCursorOn(form, 1);
    const QPoint at =
        form.MechBox->cursorRect(QTextCursor(form.MechBox->document()->findBlockByNumber(16)))
            .center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at,
                              form.MechBox->viewport()->mapToGlobal(at));
    QApplication::sendEvent(form.MechBox->viewport(), &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    menu->actions().first()->trigger();
    QCOMPARE(form.MechBox->toPlainText(), commandLine("Davion Company", 42, "3"));
  }

  // An edited listing is re-rolled only once the player says yes, and Ctrl+Z brings the
  // edits back with the force they were made on.
  void undoBringsTheEditedListingBack() {
    TestWindow form(SHIPPED_TABLES);
    showActive(form);
    generate(form, "Davion Company", 42);
    putCursorOn(form, 5);
    QTest::keyClicks(form.MechBox, "My own ");
    const QString edited = form.MechBox->toPlainText();
    QTest::keyClick(form.MechBox, Qt::Key_L, Qt::ControlModifier);
    answer(form, QMessageBox::No);
    QCOMPARE(form.MechBox->toPlainText(), edited);
    QTest::keyClick(form.MechBox, Qt::Key_L, Qt::ControlModifier);
    answer(form, QMessageBox::Yes);
    QCOMPARE(form.MechBox->toPlainText(), commandLine("Davion Company", 42, "1"));
    QTest::keyClick(form.MechBox, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form.MechBox->toPlainText(), edited);
    QCOMPARE(form.SeedLabel->text(), "Seed: 42");
    putCursorOn(form, 11);
    QTest::keyClick(form.MechBox, Qt::Key_T, Qt::ControlModifier);
    answer(form, QMessageBox::Yes);
    QCOMPARE(form.MechBox->toPlainText(), commandLine("Davion Company", 42, "2.2"));
    QTest::keyClick(form.GButton, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form.MechBox->toPlainText(), edited);
  }

  // A table file changed on disk since Generate does not mix into the force's re-rolls.
  void rerollReadsTheTablesDrawnFrom() {
    QTemporaryDir scratch;
    const QString tables = scratch.filePath("Tables.dat");
    writeFile(tables, contentOf(SHIPPED_TABLES));
    TestWindow form(tables.toStdString());
    showActive(form);
    generate(form, "Wolf Binary", 3);
    writeFile(tables, "Wolf\r\n");
    putCursorOn(form, 5);
    QTest::keyClick(form.MechBox, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(form.MechBox->toPlainText(), commandLine("Wolf Binary", 3, "1"));
  }

  // The next window lists the forces drawn, newest first and at most twenty, and draws the one
  // chosen again; from another table file it says that the force may differ.
  void recentDrawsTheForceAgain() {
    {
      TestWindow form(SHIPPED_TABLES);
      showActive(form);
      for (int seed = 1; seed <= 21; ++seed) generate(form, "Davion Company", seed);
      generate(form, "Wolf Binary", 7);
      putCursorOn(form, 12);
      QTest::keyClick(form.MechBox, Qt::Key_L, Qt::ControlModifier);
    }
    const QString expected = commandLine("Wolf Binary", 7, "2");
    TestWindow again(SHIPPED_TABLES);
    QMenu* menu = again.RecentButton->menu();
    Q_EMIT menu->aboutToShow();
    QCOMPARE(menu->actions().size(), 20);
    QCOMPARE(menu->actions()[0]->text(), "Wolf, Binary, Random, Regular · Seed: 7 · re-rolled 2");
    QCOMPARE(menu->actions()[1]->text(), "Wolf, Binary, Random, Regular · Seed: 7");
    QCOMPARE(menu->actions()[2]->text(), "Davion, Company, Random, Regular · Seed: 21");
    menu->actions()[0]->trigger();
    QCOMPARE(again.MechBox->toPlainText(), expected);
    QCOMPARE(again.SeedLabel->text(), "Seed: 7 · re-rolled 2");
    QCOMPARE(again.HouseBox->currentText(), "Wolf");
    QVERIFY(!openErrorBox(again));

    QTemporaryDir scratch;
    const QString changed = scratch.filePath("Tables.dat");
    writeFile(changed, contentOf(SHIPPED_TABLES) + "\r\n");
    TestWindow other(changed.toStdString());
    Q_EMIT other.RecentButton->menu()->aboutToShow();
    other.RecentButton->menu()->actions()[0]->trigger();
    QCOMPARE(other.MechBox->toPlainText(), expected);
    QMessageBox* notice = openErrorBox(other);
    QVERIFY(notice && notice->text().contains("the force may differ"));
  }

  // A kept entry's words are read in any letter case, its re-rolls with ranges, and its table
  // file known by its checksum alone.
  void recentReadsWordsAndRangesAsTheCommandLineDoes() {
    {
      QSettings settings(QStringLiteral("musterwright"), QStringLiteral("musterwright"));
      settings.beginWriteArray(QStringLiteral("recent"), 1);
      settings.setArrayIndex(0);
      const std::pair<const char*, const char*> values[] = {
          {"house",         "davion"          },
          {"size",          "battalion"       },
          {"weight",        ""                },
          {"experience",    "REGULAR"         },
          {"seed",          "3"               },
          {"rerolls",       "1-3,1.2"         },
          {"tableName",     "Other.dat"       },
          {"tableChecksum", "4d5debb0596305c0"}
      };
      for (const auto& [key, value] : values) settings.setValue(key, value);
      settings.endArray();
    }
    TestWindow form(SHIPPED_TABLES);
    QMenu* menu = form.RecentButton->menu();
    Q_EMIT menu->aboutToShow();
    QCOMPARE(menu->actions()[0]->text(),
             "Davion, Batallion, Random, Regular · Seed: 3 · re-rolled 1-3, 1.2");
    menu->actions()[0]->trigger();
    QCOMPARE(form.MechBox->toPlainText(), commandLine("Davion Batallion", 3, "1,2,3,1.2"));
    QVERIFY(!openErrorBox(form));
  }

  // A fair fight drawn in the window lists what the command line prints for the same options,
  // also after a re-roll on each side by key at the cursor; Ctrl+Z takes the pair back a step,
  // the captions, totals and balance stand beside the seed line, and the next window's Recent
  // list draws the pair again with its controls set.
  void aFairFightEqualsTheCommandLine() {
    const QStringList options{"--faction",          "Davion",  "--size",          "Company",
                              "--experience",       "Veteran", "--seed",          "7",
                              "--opponent-faction", "Wolf",    "--opponent-size", "Binary",
                              "--tolerance",        "10",      "--tables",        SHIPPED_TABLES};
    const auto cli = [&](const QStringList& rerolls) {
      return QString::fromUtf8(commandLineListing(options + rerolls)).chopped(1);
    };
    {
      TestWindow form(SHIPPED_TABLES);
      showActive(form);
      QVERIFY(!form.OpponentHouseBox->isEnabled());
      form.OpponentBox->setChecked(true);
      QVERIFY(form.OpponentHouseBox->isEnabled());
      form.OpponentHouseBox->setCurrentText("Wolf");
      form.control<QComboBox>("OpponentSizeBox")->setCurrentText("Binary");
      form.control<QSpinBox>("ToleranceBox")->setValue(10);
      QCOMPARE(form.control<QSpinBox>("HandicapBox")->value(), 100);
      choose(form, "Davion", "Company", "", "Veteran");
      form.SeedBox->setText("7");
      form.GButton->click();
      QCOMPARE(dismissErrorBox(form), QString());
      QCOMPARE(form.MechBox->toPlainText(), cli({}));
      QVERIFY(form.SeedLabel->wholeText().contains("\nOpposing force · Seed: 7 · band "));
      QCOMPARE(form.TotalsLabel->wholeText().count(u'\n'), 2);
      QVERIFY(form.TotalsLabel->wholeText().section(u'\n', 2).startsWith("Balance: "));
      // Side b's listing opens four lines after "Opposing force": its first group's first slot.
      const int sideB = form.MechBox->toPlainText().split(u'\n').indexOf("Opposing force");
      putCursorOn(form, sideB + 6);
      QTest::keySequence(form.MechBox, QKeySequence(Qt::CTRL | Qt::Key_T));
      QCOMPARE(form.MechBox->toPlainText(), cli({"--opponent-reroll", "1.1"}));
      putCursorOn(form, 4);
      QTest::keySequence(form.MechBox, QKeySequence(Qt::CTRL | Qt::Key_L));
      QCOMPARE(dismissErrorBox(form), QString());
      QCOMPARE(form.MechBox->toPlainText(), cli({"--reroll", "1", "--opponent-reroll", "1.1"}));
      QTest::keySequence(form.MechBox, QKeySequence(Qt::CTRL | Qt::Key_Z));
      QCOMPARE(form.MechBox->toPlainText(), cli({"--opponent-reroll", "1.1"}));
      QVERIFY(form.SeedLabel->wholeText().startsWith("Seed: 7\n"));
    }
    TestWindow next(SHIPPED_TABLES);
    QMenu* menu = next.RecentButton->menu();
    Q_EMIT menu->aboutToShow();
    QCOMPARE(menu->actions()[0]->text(),
             "Davion, Company, Random, Veteran · Seed: 7 · re-rolled 1 · against Wolf, Binary, "
             "Random, Random · re-rolled 1.1 · handicap 100 %, tolerance 10 %");
    menu->actions()[0]->trigger();
    QCOMPARE(next.MechBox->toPlainText(), cli({"--reroll", "1", "--opponent-reroll", "1.1"}));
    QVERIFY(next.OpponentBox->isChecked() && next.OpponentHouseBox->currentText() == "Wolf");
    QCOMPARE(next.control<QSpinBox>("ToleranceBox")->value(), 10);
  }

  // An opposing force kept with a handicap or tolerance out of bounds, or a word in no list,
  // leaves its entry out; an entry kept before pairs were reads as a force alone.
  void recentLeavesOutAnOpposingForceItCannotRead() {
    const QStringList bad[] = {
        {"handicap",  "5"       },
        {"tolerance", "51"      },
        {"ohouse",    "Atlantis"}
    };
    for (const QStringList& fault : bad) {
      {
        QSettings settings(QStringLiteral("musterwright"), QStringLiteral("musterwright"));
        settings.remove(QStringLiteral("recent"));
        settings.beginWriteArray(QStringLiteral("recent"), 2);
        for (int entry : {0, 1}) {
          settings.setArrayIndex(entry);
          settings.setValue("house", "Wolf");
          settings.setValue("size", "Star");
          settings.setValue("seed", QString::number(entry + 1));
        }
        settings.setValue("opponent", true);
        settings.setValue("handicap", 100);
        settings.setValue("tolerance", 5);
        settings.setValue(fault[0], fault[1]);
        settings.endArray();
      }
      TestWindow form(SHIPPED_TABLES);
      QMenu* menu = form.RecentButton->menu();
      Q_EMIT menu->aboutToShow();
      QCOMPARE(menu->actions().size(), 1);
      QCOMPARE(menu->actions()[0]->text(), "Wolf, Star, Random, Random · Seed: 1");
    }
  }

  // A table file that fails its check draws the force the command line draws from it, the
  // checker's findings in a notice beside the first force drawn after it was read.
  void aQuirkyTableFileDrawsTheSameForceWithANotice() {
    QTemporaryDir scratch;
    const QString quirky = scratch.filePath("Quirky.dat");
    writeFile(quirky, contentOf(SHIPPED_TABLES).replace("\nKurita\n", "\nKurota\n"));
    TestWindow form(quirky.toStdString());
    generate(form, "Wolf Binary", 11);
    QProcess program;
    program.start(MUSTERWRIGHT_CLI, {"--faction", "Wolf", "--size", "Binary", "--experience",
                                     "Regular", "--seed", "11", "--tables", quirky});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(form.MechBox->toPlainText(),
             QString::fromUtf8(program.readAllStandardOutput()).chopped(1));
    const QString findings = QString::fromUtf8(program.readAllStandardError());
    QVERIFY(findings.contains("Quirky.dat, line "));
    QMessageBox* notice = openErrorBox(form);
    QVERIFY(notice && notice->icon() == QMessageBox::Information);
    QVERIFY(messageOf(*notice).contains("--fit-tables") &&
            messageOf(*notice).contains("Quirky.dat, line "));
    notice->close();
    generate(form, "Wolf Binary", 12);
    QVERIFY(!openErrorBox(form));
  }
};

QTEST_MAIN(RerollTest)
#include "reroll_test.moc"
