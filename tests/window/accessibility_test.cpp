// SPDX-License-Identifier: MIT
// The window as a screen reader meets it: every control's accessible role, name and
// description (its hint), every name beginning with the control's caption, and Tab visiting
// every control in the form's order.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "window_test_support.h"

class AccessibilityTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void namesAndRoles_data() {
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("HouseBox") << int(QAccessible::ComboBox) << "Faction";
    QTest::newRow("SizeBox") << int(QAccessible::ComboBox) << "Unit size";
    QTest::newRow("ExperienceBox") << int(QAccessible::ComboBox) << "Experience";
    QTest::newRow("Vehicle") << int(QAccessible::CheckBox) << "Include Vehicles";
    QTest::newRow("GButton") << int(QAccessible::Button) << "Generate";
    QTest::newRow("ToFile") << int(QAccessible::Button) << "Save To File";
    QTest::newRow("FileName") << int(QAccessible::EditableText) << "File name";
    QTest::newRow("WeightBox") << int(QAccessible::ComboBox) << "Weight";
    QTest::newRow("MechBox") << int(QAccessible::EditableText) << "Listing";
    QTest::newRow("SaveAsButton") << int(QAccessible::Button) << "Save As…";
    QTest::newRow("PrintButton") << int(QAccessible::Button) << "Print…";
    QTest::newRow("SeedBox") << int(QAccessible::EditableText) << "Seed";
    // A list is named by what it is for and its choice.
    QTest::newRow("BudgetKind") << int(QAccessible::ComboBox) << "Budget in: Points";
    QTest::newRow("BudgetBox") << int(QAccessible::EditableText) << "Budget";
    QTest::newRow("SeedLabel") << int(QAccessible::StaticText) << "Seed: 7";
    QTest::newRow("FilesLabel") << int(QAccessible::StaticText) << "Tables.dat\nDesigns.csv";
    QTest::newRow("SkillsLabel") << int(QAccessible::StaticText) << "Skills.csv";
    QTest::newRow("RecentButton") << int(QAccessible::ButtonMenu) << "Recent";
    QTest::newRow("UniqueBox") << int(QAccessible::CheckBox) << "One of each";
  }

  void namesAndRoles() {
    QFETCH(int, role);
    QFETCH(QString, name);
    TestWindow form(SHIPPED_TABLES);
    form.findChild<QLineEdit*>("SeedBox")->setText("7");
    form.findChild<QPushButton*>("GButton")->click();
    QWidget* control = form.findChild<QWidget*>(QTest::currentDataTag());
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
    QVERIFY(reader);
    QCOMPARE(int(reader->role()), role);
    QCOMPARE(reader->text(QAccessible::Name), name);
    QCOMPARE(reader->text(QAccessible::Description), control->toolTip());
  }

  // Every control Tab reaches is named first by its caption: a button's or box's text (its
  // line break read as a blank), an edit box's or list's grey name, the label beside the budget's
  // unit list.
  void namesBeginWithCaptions() {
    TestWindow form(SHIPPED_TABLES);
    form.SeedBox->setText("7");
    form.GButton->click();
    for (const QString& name : kTabOrder) {
      QWidget* control = form.control<QWidget>(qPrintable(name));
      QString caption = control->property("placeholderText").toString();
      if (const auto* button = qobject_cast<QAbstractButton*>(control))
        caption = button->text().replace(u'\n', u' ').remove(u'&');
      if (const auto* line = qobject_cast<ElidedLabel*>(control)) caption = line->text();
      if (control == form.BudgetKind) caption = form.control<QLabel>("BudgetLabel")->text();
      const QString heard = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
      QVERIFY2(!heard.isEmpty() && heard.startsWith(caption), qPrintable(name + ": " + heard));
    }
  }

  void tabVisitsEveryControlInOrder() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // The opposing force's controls take the focus once "Opposing force" opens them.
    form.findChild<QCheckBox*>("OpponentBox")->setChecked(true);
    form.findChild<QWidget*>("HouseBox")->setFocus();
    QStringList visited;
    for (qsizetype k = 0; k < kTabOrder.size(); ++k) {
      visited << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, kTabOrder);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
