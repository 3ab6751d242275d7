// SPDX-License-Identifier: MIT
// The window as it opens: every control's kind, place, text, items, tooltip and tab stop,
// and the empty choices the user starts from; and how it follows a larger font and size.
// Ahead of Qt's headers, whose `slots` keyword macro would blank the rule tables' member of
// that name.
#include "generator/choice_lists.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

#include "window_test_support.h"

namespace {

// The form's nine controls.
QList<QWidget*> controlsOf(const TestWindow& form) {
  return {form.HouseBox, form.SizeBox,  form.ExperienceBox, form.Vehicle, form.GButton,
          form.ToFile,   form.FileName, form.WeightBox,     form.MechBox};
}

// Every control: those Tab stops at, and the budget's caption.
QList<QWidget*> everyControlOf(const TestWindow& form) {
  QList<QWidget*> every{form.control<QWidget>("BudgetLabel")};
  for (const QString& name : kTabOrder.mid(1)) every << form.control<QWidget>(qPrintable(name));
  return every;
}

// Whether `box` shows `text` whole: typed in and drawn, with the text cursor after it in view,
// its first character still stands at the box's left edge.
bool showsWhole(QLineEdit* box, const QString& text) {
  box->setText(text);
  box->grab();
  return box->cursorPositionAt(QPoint(2, box->height() / 2)) == 0;
}

}  // namespace

class FormTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void windowFrame() {
    TestWindow form;
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Musterwright"));
    QCOMPARE(form.pos(), QPoint(192, 107));
    QCOMPARE(form.size(), QSize(608, 672));
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
    QTest::newRow("MechBox") << "QPlainTextEdit" << QRect(8, 40, 473, 573) << ""
                             << "";
  }

  void controls() {
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, hint);
    TestWindow form;
    form.show();
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
    QTest::addColumn<QString>("placeholder");
    QTest::addColumn<QStringList>("items");
    const auto items = [](const auto& words) {
      QStringList list;
      for (const char* word : words) list << word;
      return list;
    };
    QTest::newRow("HouseBox") << "Faction" << items(kFactionChoices);
    QTest::newRow("SizeBox") << "Unit size" << items(kSizeChoices);
    QTest::newRow("ExperienceBox") << "Experience" << items(kExperienceChoices);
    QTest::newRow("WeightBox") << "Weight" << items(kWeightChoices);
  }

  // Pick-only lists with nothing chosen: each shows its name in grey, and its text is empty
  // until the user picks an item.
  void choiceLists() {
    QFETCH(QString, placeholder);
    QFETCH(QStringList, items);
    TestWindow form;
    const auto* list = form.findChild<QComboBox*>(QTest::currentDataTag());
    QVERIFY(list);
    QStringList listed;
    for (int i = 0; i < list->count(); ++i) listed << list->itemText(i);
    QCOMPARE(listed, items);
    QVERIFY(!list->isEditable());
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->placeholderText(), placeholder);
    QCOMPARE(list->currentText(), QString());
  }

  // A larger window gives the listing all the room it gains and keeps the weight list and the
  // right-hand column against the right edge; a smaller one stops at the form's size.
  void resizing_data() {
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("size");
    QTest::newRow("larger") << QSize(1000, 800) << QSize(1000, 800);
    QTest::newRow("smaller") << QSize(300, 200) << QSize(608, 672);
  }

  void resizing() {
    QFETCH(QSize, asked);
    QFETCH(QSize, size);
    TestWindow form;
    form.show();
    QHash<QWidget*, QRect> before;
    for (QWidget* control : controlsOf(form)) before[control] = control->geometry();
    form.resize(asked);
    QCOMPARE(form.size(), size);
    const QSize added = size - QSize(608, 672);
    QCOMPARE(form.MechBox->geometry(),
             before[form.MechBox].adjusted(0, 0, added.width(), added.height()));
    for (QWidget* control :
         QList<QWidget*>{form.WeightBox, form.Vehicle, form.GButton, form.ToFile, form.FileName})
      QCOMPARE(control->geometry(), before[control].translated(added.width(), 0));
  }

  // At the window's smallest size nothing is cut. With a larger font every control takes at
  // least its size hint, so every caption, item and the file name is whole; the controls move
  // aside and the window's minimum size grows. With a budgeted force re-rolled, the seed line and
  // the band typed in the budget box show whole, and the files in use are named.
  void largerFont_data() {
    QTest::addColumn<QFont>("font");
    QFont points = QApplication::font();
    points.setPointSize(15);
    QFont scaled = QApplication::font();
    scaled.setPixelSize(2 * QFontInfo(scaled).pixelSize());
    QTest::newRow("608 x 672") << QApplication::font();
    QTest::newRow("15 pt") << points;
    QTest::newRow("scale 2") << scaled;
  }

  void largerFont() {
    QFETCH(QFont, font);
    const QFont original = QApplication::font();
    const auto restore = qScopeGuard([&] { QApplication::setFont(original); });
    QApplication::setFont(font);
    TestWindow form(SHIPPED_TABLES);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.resize(1, 1);
    const QRect window = form.rect();
    QCOMPARE(form.size(), form.minimumSize());
    const QString row = QTest::currentDataTag();
    const QList<QWidget*> controls = row == "608 x 672" ? QList<QWidget*>() : everyControlOf(form);
    for (const QWidget* control : controls) {
      const QSize needed = qobject_cast<const ElidedLabel*>(control) ? control->minimumSizeHint()
                                                                     : control->sizeHint();
      QVERIFY2(control->width() >= needed.width() && control->height() >= needed.height(),
               qPrintable(control->objectName()));
      QVERIFY2(window.contains(control->geometry()), qPrintable(control->objectName()));
      for (const QWidget* other : controls) {
        QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                 qPrintable(control->objectName() + " overlaps " + other->objectName()));
      }
    }
    if (row == "scale 2") return;
    choose(form, "Davion", "Company", "", "");
    form.SeedBox->setText("7");
    QVERIFY(showsWhole(form.BudgetBox, "430000-450000") &&
            showsWhole(form.BudgetBox, "16000-18000"));
    form.GButton->click();
    form.MechBox->setFocus();
    form.MechBox->setTextCursor(QTextCursor(form.MechBox->document()->findBlockByNumber(9)));
    QTest::keySequence(form.MechBox, QKeySequence(Qt::CTRL | Qt::Key_L));
    QCOMPARE(dismissErrorBox(form), QString());
    QCOMPARE(form.SeedLabel->wholeText(), u"Seed: 7 · re-rolled 2 · 16,000–18,000 points"_qs);
    QApplication::processEvents();
    for (const ElidedLabel* line : {form.SeedLabel, form.FilesLabel, form.SkillsLabel}) {
      QVERIFY2(!line->elided() && form.rect().contains(line->geometry()), qPrintable(line->text()));
      QVERIFY(!line->geometry().intersects(form.MechBox->geometry()));
    }
  }

  // A listing line wider than the box widens it (there is no horizontal scroll bar).
  void wideListing() {
    TestWindow form;
    form.show();
    const QString line(120, u'W');
    form.MechBox->setPlainText("Kurita\n" + line);
    form.MechBox->updateGeometry();
    QApplication::processEvents();
    QVERIFY(form.MechBox->viewport()->width() >
            form.MechBox->fontMetrics().horizontalAdvance(line));
  }

  // A line longer than its room ends in "…" and loses nothing: its accessible name, and the
  // tooltip while it is shortened, hold the whole of it; given room, it shows whole again.
  void shortenedLineKeepsItsWholeText() {
    TestWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ElidedLabel* line = form.SeedLabel;
    const QString whole =
        "Seed: 4294967295 · collection a long collection name (3fa9c1d2) · "
        "each design once · re-rolled 1-6, 8-48 · 16,000–18,000 points";
    line->setWholeText(whole);
    QApplication::processEvents();
    QVERIFY(line->text().endsWith(u'…') && whole.startsWith(line->text().chopped(1)));
    QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), whole);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), line->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(line, &help);
    QCOMPARE(QToolTip::text(), whole + "\n\n" + line->toolTip());
    form.resize(1600, 480);
    QApplication::processEvents();
    QCOMPARE(line->text(), whole);
  }

  void editorsAtStart() {
    TestWindow form;
    QVERIFY(!form.Vehicle->isChecked());
    QVERIFY(!form.Vehicle->isTristate());
    QVERIFY(!form.MechBox->isReadOnly());
    QCOMPARE(form.MechBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(form.MechBox->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(form.MechBox->lineWrapMode(), QPlainTextEdit::NoWrap);
  }

  // The focus chain walks the controls in their stop order (kTabOrder) and wraps round.
  void tabOrder() {
    TestWindow form;
    QStringList walked;
    QWidget* widget = form.HouseBox;
    do {
      if (widget->parentWidget() == &form && (widget->focusPolicy() & Qt::TabFocus))
        walked << widget->objectName();
      widget = widget->nextInFocusChain();
    } while (widget != form.HouseBox);
    walked << widget->objectName();
    QCOMPARE(walked, kTabOrder);
    QVERIFY(form.MechBox->tabChangesFocus());
  }
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
