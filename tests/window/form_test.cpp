// The window as it opens: every control's kind, place, text, items, tooltip and tab stop,
// and the empty choices the user starts from.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "generator/choice_lists.h"
#include "ui/TForm1.h"

class FormTest : public QObject {
  Q_OBJECT

 private slots:
  void windowFrame() {
    TForm1 form;
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Musterwright"));
    QCOMPARE(form.pos(), QPoint(192, 107));
    QCOMPARE(form.size(), QSize(608, 480));
  }

  void controls_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");
    QTest::newRow("HouseBox") << "QComboBox" << QRect(8, 8, 145, 21) << ""
                              << "Select House";
    QTest::newRow("SizeBox") << "QComboBox" << QRect(168, 8, 145, 21) << ""
                             << "Select Unit Size";
    QTest::newRow("ExperienceBox") << "QComboBox" << QRect(328, 8, 145, 21) << ""
                                   << "Select Unit Experiance";
    // Wide enough for its caption at Qt's default font; the window's right edge stops it.
    QTest::newRow("Vehicle") << "QCheckBox" << QRect(488, 72, 120, 17) << "Include Vehicles"
                             << "Vehicles or Mechs Only";
    QTest::newRow("GButton") << "QPushButton" << QRect(488, 96, 75, 25) << "Generate"
                             << "Generate Unit(s)";
    QTest::newRow("ToFile") << "QPushButton" << QRect(488, 128, 75, 25) << "Save To File"
                            << "Saves Units to File";
    QTest::newRow("FileName") << "QLineEdit" << QRect(488, 160, 105, 21) << "Random.txt"
                              << "File to Save to";
    QTest::newRow("WeightBox") << "QComboBox" << QRect(480, 8, 113, 21) << ""
                               << "Select Weight";
    QTest::newRow("MechBox") << "QPlainTextEdit" << QRect(8, 40, 473, 409) << ""
                             << "";
  }

  void controls() {
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, hint);
    TForm1 form;
    const QWidget* control = form.findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(control);
    QCOMPARE(control->metaObject()->className(), kind);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->toolTip(), hint);
    QCOMPARE(control
                 ->property(kind == "QComboBox"        ? "currentText"
                            : kind == "QPlainTextEdit" ? "plainText"
                                                       : "text")
                 .toString(),
             text);
  }

  // Each list holds exactly the words the core offers, in their order.
  void choiceLists_data() {
    QTest::addColumn<QStringList>("items");
    const auto items = [](const auto& words) {
      QStringList list;
      for (const char* word : words) list << word;
      return list;
    };
    QTest::newRow("HouseBox") << items(kFactionChoices);
    QTest::newRow("SizeBox") << items(kSizeChoices);
    QTest::newRow("ExperienceBox") << items(kExperienceChoices);
    QTest::newRow("WeightBox") << items(kWeightChoices);
  }

  // Pick-only lists with nothing chosen: the text is empty until the user picks an item.
  void choiceLists() {
    QFETCH(QStringList, items);
    TForm1 form;
    const auto* list = form.findChild<QComboBox*>(QTest::currentDataTag());
    QVERIFY(list);
    QStringList listed;
    for (int i = 0; i < list->count(); ++i) listed << list->itemText(i);
    QCOMPARE(listed, items);
    QVERIFY(!list->isEditable());
    QCOMPARE(list->currentIndex(), -1);
  }

  void editorsAtStart() {
    TForm1 form;
    QVERIFY(!form.Vehicle->isChecked());
    QVERIFY(!form.Vehicle->isTristate());
    QVERIFY(!form.MechBox->isReadOnly());
    QCOMPARE(form.MechBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(form.MechBox->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(form.MechBox->lineWrapMode(), QPlainTextEdit::NoWrap);
  }

  // Tab walks the controls in their stop order and wraps round: the weight list, although it
  // stands in the top row, comes after the file name.
  void tabOrder() {
    TForm1 form;
    const QStringList order{"HouseBox", "SizeBox",  "ExperienceBox", "Vehicle", "GButton",
                            "ToFile",   "FileName", "WeightBox",     "MechBox", "HouseBox"};
    QStringList walked;
    QWidget* widget = form.HouseBox;
    do {
      if (widget->parentWidget() == &form && (widget->focusPolicy() & Qt::TabFocus))
        walked << widget->objectName();
      widget = widget->nextInFocusChain();
    } while (widget != form.HouseBox);
    walked << widget->objectName();
    QCOMPARE(walked, order);
    QVERIFY(form.MechBox->tabChangesFocus());
  }
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
