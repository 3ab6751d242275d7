// SPDX-License-Identifier: MIT
// What the window's suites share: the controls in their tab order, choosing in the lists,
// reading the listing, the message box open over the window, and files' bytes.
#ifndef MUSTERWRIGHT_TESTS_WINDOW_WINDOW_TEST_SUPPORT_H
#define MUSTERWRIGHT_TESTS_WINDOW_WINDOW_TEST_SUPPORT_H

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "ui/TForm1.h"
#include "ui/elided_label.h"

// The window keeps its Recent list in the user's settings; every suite keeps them in a
// temporary folder of its own instead, empty at the start, set before any window reads them.
inline const QTemporaryDir settingsFolder;
inline const bool settingsAside = qputenv("XDG_CONFIG_HOME", settingsFolder.path().toLocal8Bit());

// The window generating from `tables`, started as the program starts with --tables (none
// named: not started, so the first Generate looks one up), with its controls found by the object
// names that the form file gives them: the tests' way in, the form itself being the window's own.
class TestWindow : public TForm1 {
 public:
  explicit TestWindow(const std::filesystem::path& tables = {}) {
    if (!tables.empty()) Start(tables);
  }

  template <class Control>
  Control* control(const char* name) const {
    return findChild<Control*>(name);
  }

  QComboBox* const HouseBox = control<QComboBox>("HouseBox");
  QComboBox* const SizeBox = control<QComboBox>("SizeBox");
  QComboBox* const ExperienceBox = control<QComboBox>("ExperienceBox");
  QComboBox* const WeightBox = control<QComboBox>("WeightBox");
  QCheckBox* const Vehicle = control<QCheckBox>("Vehicle");
  QPushButton* const GButton = control<QPushButton>("GButton");
  QPushButton* const ToFile = control<QPushButton>("ToFile");
  QPushButton* const SaveAsButton = control<QPushButton>("SaveAsButton");
  QPushButton* const PrintButton = control<QPushButton>("PrintButton");
  QLineEdit* const FileName = control<QLineEdit>("FileName");
  QLineEdit* const SeedBox = control<QLineEdit>("SeedBox");
  QComboBox* const BudgetKind = control<QComboBox>("BudgetKind");
  QLineEdit* const BudgetBox = control<QLineEdit>("BudgetBox");
  QPlainTextEdit* const MechBox = control<QPlainTextEdit>("MechBox");
  ElidedLabel* const SeedLabel = control<ElidedLabel>("SeedLabel");
  ElidedLabel* const TotalsLabel = control<ElidedLabel>("TotalsLabel");
  ElidedLabel* const FilesLabel = control<ElidedLabel>("FilesLabel");
  ElidedLabel* const SkillsLabel = control<ElidedLabel>("SkillsLabel");
  QToolButton* const RecentButton = control<QToolButton>("RecentButton");
  QCheckBox* const OpponentBox = control<QCheckBox>("OpponentBox");
  QComboBox* const OpponentHouseBox = control<QComboBox>("OpponentHouseBox");
};

// Every control Tab stops at, in order from the faction list, and the faction list again: the
// weight list, although it stands in the top row, comes after the file name; the controls below
// the file name come after the listing, top to bottom, then the lines under the listing and the
// files in use.
inline const QStringList kTabOrder{"HouseBox",
                                   "SizeBox",
                                   "ExperienceBox",
                                   "Vehicle",
                                   "GButton",
                                   "ToFile",
                                   "FileName",
                                   "WeightBox",
                                   "MechBox",
                                   "SaveAsButton",
                                   "PrintButton",
                                   "SeedBox",
                                   "BudgetKind",
                                   "BudgetBox",
                                   "RecentButton",
                                   "CollectionButton",
                                   "OwnedBox",
                                   "UniqueBox",
                                   "OpponentBox",
                                   "OpponentHouseBox",
                                   "OpponentSizeBox",
                                   "OpponentWeightBox",
                                   "OpponentExperienceBox",
                                   "OpponentVehicle",
                                   "HandicapBox",
                                   "ToleranceBox",
                                   "SeedLabel",
                                   "TotalsLabel",
                                   "FilesLabel",
                                   "SkillsLabel",
                                   "HouseBox"};

inline void choose(TestWindow& form, const QString& house, const QString& size,
                   const QString& weight, const QString& experience) {
  form.HouseBox->setCurrentText(house);
  form.SizeBox->setCurrentText(size);
  form.WeightBox->setCurrentText(weight);
  form.ExperienceBox->setCurrentText(experience);
}

inline QStringList listing(const TestWindow& form) {
  return form.MechBox->toPlainText().split(u'\n');
}

// The message box open over `form`, or null.
inline QMessageBox* openErrorBox(const QWidget& form) {
  for (auto* box : form.findChildren<QMessageBox*>())
    if (box->isVisible()) return box;
  return nullptr;
}

// A box's message and, on the lines after it, the findings it lists.
inline QString messageOf(const QMessageBox& box) {
  return box.detailedText().isEmpty() ? box.text() : box.text() + "\n" + box.detailedText();
}

// The message (messageOf) of the error box open over `form`, which is then dismissed; empty
// when none is open.
inline QString dismissErrorBox(QWidget& form) {
  QMessageBox* box = openErrorBox(form);
  if (box == nullptr) return {};
  const QString message = box->icon() == QMessageBox::Critical ? messageOf(*box) : "not critical";
  box->close();
  return message;
}

#ifdef MUSTERWRIGHT_CLI
// What musterwright-cli prints on standard output with `arguments`, for the suites that compare
// the window with it.
inline QByteArray commandLineListing(const QStringList& arguments) {
  QProcess program;
  program.start(MUSTERWRIGHT_CLI, arguments);
  program.waitForFinished(30000);
  return program.readAllStandardOutput();
}
#endif

inline QByteArray contentOf(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

inline void writeFile(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

#endif
