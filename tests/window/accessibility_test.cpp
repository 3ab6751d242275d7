// SPDX-License-Identifier: MIT
// The window as a screen reader meets it: every control's accessible role, name and
// description (its hint), and Tab visiting every control in the form's order.
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
    // Qt on Linux names a list by its choice (its accessible name goes with its label there).
    QTest::newRow("BudgetKind") << int(QAccessible::ComboBox) << "Points";
    QTest::newRow("BudgetBox") << int(QAccessible::EditableText) << "Budget";
    QTest::newRow("SeedLabel") << int(QAccessible::StaticText) << "Seed: 7";
    QTest::newRow("RecentButton") << int(QAccessible::ButtonMenu) << "Recent";
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

  void tabVisitsEveryControlInOrder() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.findChild<QWidget*>("HouseBox")->setFocus();
    QStringList visited;
    for (int k = 0; k < 21; ++k) {
      visited << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, QStringList({"HouseBox",  "SizeBox",      "ExperienceBox", "Vehicle",
                                   "GButton",   "ToFile",       "FileName",      "WeightBox",
                                   "MechBox",   "SaveAsButton", "PrintButton",   "SeedBox",
                                   "SeedLabel", "TotalsLabel",  "RecentButton",  "CollectionButton",
                                   "OwnedBox",  "UniqueBox",    "BudgetKind",    "BudgetBox",
                                   "HouseBox"}));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
