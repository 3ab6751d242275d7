// SPDX-License-Identifier: MIT
// The collection in the window: designs picked by hand in the Collection… dialog draw the
// command line's forces, the dialog keeps names the table file lacks, a bad collection file
// changes nothing, and no save goes over a file in use or loses the file it aimed at.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>

#include "odds/collection_designs.h"
#include "support/file_bytes.h"
#include "support/table_files.h"
#include "tables/table_names.h"
#include "ui/collection_dialog.h"
#include "window_test_support.h"

namespace {

CollectionDialog* openDialog(TestWindow& form) {
  form.control<QPushButton>("CollectionButton")->click();
  return form.findChild<CollectionDialog*>();
}

}  // namespace

class CollectionTest : public QObject {
  Q_OBJECT

  QTemporaryDir scratch;

 private Q_SLOTS:
  // 30 designs picked in the dialog, saved, then drawn with and without "each design once":
  // the listing is the command line's for the same seed and collection file.
  void pickedByHandDrawsTheCommandLinesForce() {
    TestWindow form(SHIPPED_TABLES);
    CollectionDialog* dialog = openDialog(form);
    QVERIFY(dialog != nullptr);
    const std::vector<CollectionDesign> designs =
        collectionDesigns(bytesOf(SHIPPED_TABLES), "Tables.dat");
    QVERIFY(designs.size() > 90);
    for (std::size_t k = 0; k < 30; ++k)
      QVERIFY(dialog->setCopies(QString::fromStdString(designs[k * 3].name), int(k % 3) + 1));
    const QString file = scratch.filePath("shelf.txt");
    QVERIFY(dialog->saveFile(file));
    dialog->close();
    form.control<QCheckBox>("OwnedBox")->setChecked(true);
    for (const bool unique : {false, true}) {
      form.control<QCheckBox>("UniqueBox")->setChecked(unique);
      for (const char* seed : {"1", "77", "4000000000"}) {
        choose(form, "Kurita", "Batallion", "", "");
        form.Vehicle->setChecked(true);
        form.SeedBox->setText(seed);
        form.GButton->click();
        const QString box = dismissErrorBox(form);
        QVERIFY2(box.isEmpty() || box == "not critical", qPrintable(box));
        QStringList arguments{"--seed",     seed,           "--tables", SHIPPED_TABLES,
                              "--faction",  "Kurita",       "--size",   "Batallion",
                              "--vehicles", "--collection", file};
        if (unique) arguments << "--unique";
        QCOMPARE(form.MechBox->toPlainText().toUtf8() + "\n", commandLineListing(arguments));
        QVERIFY(form.SeedLabel->text().contains("collection shelf"));
      }
    }
  }

  // Names the table file lacks are shown apart and written back; a file with errors is refused
  // whole with its lines, the dialog and the window drawing as before.
  void keepsUnknownNamesAndRefusesBadFiles() {
    const QString file = scratch.filePath("mine.txt");
    writeFile(file, "2 Not A Design\n# a comment\n3 Also Missing\n");
    TestWindow form(SHIPPED_TABLES);
    const std::vector<CollectionDesign> designs =
        collectionDesigns(bytesOf(SHIPPED_TABLES), "Tables.dat");
    const QString known = QString::fromStdString(designs.front().name);
    FilesInUse files;
    files.hold(kTableFile, SHIPPED_TABLES);
    CollectionDialog dialog(designs, tableDesignNames(bytesOf(SHIPPED_TABLES), "Tables.dat"), files,
                            QString());
    QVERIFY(dialog.openFile(file));
    QVERIFY(dialog.findChild<QLabel*>("KeptNames")->text().contains("2 Not A Design"));
    QVERIFY(dialog.setCopies(known.toLower(), 4));
    const QString saved = scratch.filePath("saved.txt");
    QVERIFY(dialog.saveFile(saved));
    const QByteArray text = contentOf(saved);
    QCOMPARE(text, "4 " + known.toUtf8() + "\n2 Not A Design\n3 Also Missing\n");

    const QString bad = scratch.filePath("bad.txt");
    const QByteArray name = known.toUtf8();
    writeFile(bad, "100 " + name + "\n3 \n" + name + "\n" + name + "\n");
    QVERIFY(!dialog.openFile(bad));
    const QString message = dismissErrorBox(dialog);
    QVERIFY2(message.contains("bad.txt, line 1: the count 100") && message.contains("line 2") &&
                 message.contains("line 4"),
             qPrintable(message));
    QVERIFY(dialog.saveFile(saved));
    QCOMPARE(contentOf(saved), text);

    form.control<QCheckBox>("OwnedBox")->setChecked(true);
    CollectionDialog* shown = openDialog(form);
    QVERIFY(shown != nullptr);
    QVERIFY(shown->openFile(saved));
    shown->close();
    form.SeedBox->setText("5");
    form.GButton->click();
    dismissErrorBox(form);
    const QString drawn = form.MechBox->toPlainText();
    QVERIFY(!drawn.isEmpty());
    QFile::remove(saved);
    QVERIFY(QFile::copy(bad, saved));
    form.SeedBox->setText("6");
    form.GButton->click();
    QVERIFY(dismissErrorBox(form).contains("line 1: the count 100"));
    QCOMPARE(form.MechBox->toPlainText(), drawn);
  }

  // A file with a problem on each of 200 lines is refused with them listed below the message,
  // the box's OK button on the screen.
  void manyProblemsStayInReach() {
    TestWindow form(SHIPPED_TABLES);
    CollectionDialog* dialog = openDialog(form);
    QByteArray bad;
    for (int k = 1; k <= 200; ++k) bad += "100 Design " + QByteArray::number(k) + "\n";
    writeFile(scratch.filePath("many.txt"), bad);
    while (QMessageBox* left = openErrorBox(*dialog)) left->close();  // the collection in use
    QVERIFY(!dialog->openFile(scratch.filePath("many.txt")));
    QMessageBox* box = openErrorBox(*dialog);
    QCOMPARE(box->text(), "The collection was not opened; nothing changed.");
    QCOMPARE(box->detailedText().split(u'\n').size(), 200);
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    QVERIFY(box->screen()->availableGeometry().contains(
        QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
  }

  // Save As onto the table file or the design list in use is refused, their bytes kept; a save
  // that cannot be written leaves the collection file, and the one in use, as they were.
  void noSaveOverTheTableFileOrTheOldCollection() {
    const QString tables = scratch.filePath("Tables.dat"), shelf = scratch.filePath("shelf.txt");
    const QString designs = scratch.filePath("Designs.csv");
    QVERIFY(QFile::copy(SHIPPED_TABLES, tables));
    QVERIFY(QFile::copy(QFileInfo(SHIPPED_TABLES).dir().filePath("Designs.csv"), designs));
    TestWindow form(tables.toStdString());
    CollectionDialog* dialog = openDialog(form);
    dismissErrorBox(*dialog);  // the test before left a bad collection in use
    QVERIFY(dialog->setCopies("Abyss Regent", 2) && dialog->saveFile(shelf));
    const QByteArray saved = contentOf(shelf);
    QVERIFY(dialog->setCopies("Abyss Regent", 3));
    dialog->findChild<QPushButton*>("CollectionSaveAs")->click();
    auto* files = dialog->findChild<QFileDialog*>();
    files->setOption(QFileDialog::DontConfirmOverwrite);  // as Yes to "replace?"
    files->selectFile(tables);
    static_cast<QDialog*>(files)->accept();
    QVERIFY(dismissErrorBox(*dialog).contains("it is the table file in use"));
    QVERIFY(!dialog->saveFile(designs));
    QVERIFY(dismissErrorBox(*dialog).contains("it is the design list in use"));
    QCOMPARE(contentOf(designs),
             contentOf(QFileInfo(SHIPPED_TABLES).dir().filePath("Designs.csv")));
    QVERIFY(!dialog->saveFile(shelf + "/inside.txt"));
    QVERIFY(dismissErrorBox(*dialog).contains("was not saved: looking up the file failed"));
    QCOMPARE(contentOf(tables), contentOf(SHIPPED_TABLES));
    QCOMPARE(contentOf(shelf), saved);
    QVERIFY(dialog->findChild<QLabel*>("CollectionTotals")->text().endsWith("shelf.txt"));
  }

  // Neither Save To File nor Print to a PDF file writes over the collection in use.
  void noListingOverTheCollection() {
    const QString shelf = scratch.filePath("in use.txt");
    writeFile(shelf, "2 Page Errant\n");
    TestWindow form(SHIPPED_TABLES);
    CollectionDialog* dialog = openDialog(form);
    dismissErrorBox(*dialog);
    QVERIFY(dialog->openFile(shelf));
    dialog->close();
    form.MechBox->setPlainText("a roster");
    form.FileName->setText(shelf);
    form.ToFile->click();
    QVERIFY(dismissErrorBox(form).contains("it is the collection in use"));
    form.PrintButton->click();
    auto* print = form.findChild<QPrintDialog*>();
    QVERIFY(print != nullptr);
    print->printer()->setOutputFormat(QPrinter::PdfFormat);
    print->printer()->setOutputFileName(shelf);
    print->done(QDialog::Accepted);
    QVERIFY(dismissErrorBox(form).contains("it is the collection in use"));
    QCOMPARE(contentOf(shelf), QByteArray("2 Page Errant\n"));
  }
};

QTEST_MAIN(CollectionTest)
#include "collection_test.moc"
