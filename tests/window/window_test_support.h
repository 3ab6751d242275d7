// What the window's suites share: choosing in the lists, reading the listing, the message box
// open over the window, and files' bytes.
#ifndef MUSTERWRIGHT_TESTS_WINDOW_WINDOW_TEST_SUPPORT_H
#define MUSTERWRIGHT_TESTS_WINDOW_WINDOW_TEST_SUPPORT_H

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ui/TForm1.h"

// The controls of a window, found by the object names that the form file gives them: the tests'
// way in, the form itself being the window's own.
struct Controls {
  explicit Controls(const TForm1& form)
      : HouseBox(form.findChild<QComboBox*>("HouseBox")),
        SizeBox(form.findChild<QComboBox*>("SizeBox")),
        ExperienceBox(form.findChild<QComboBox*>("ExperienceBox")),
        WeightBox(form.findChild<QComboBox*>("WeightBox")),
        Vehicle(form.findChild<QCheckBox*>("Vehicle")),
        GButton(form.findChild<QPushButton*>("GButton")),
        ToFile(form.findChild<QPushButton*>("ToFile")),
        SaveAsButton(form.findChild<QPushButton*>("SaveAsButton")),
        PrintButton(form.findChild<QPushButton*>("PrintButton")),
        FileName(form.findChild<QLineEdit*>("FileName")),
        SeedBox(form.findChild<QLineEdit*>("SeedBox")),
        MechBox(form.findChild<QPlainTextEdit*>("MechBox")),
        SeedLabel(form.findChild<QLabel*>("SeedLabel")) {}
  QComboBox *HouseBox, *SizeBox, *ExperienceBox, *WeightBox;
  QCheckBox* Vehicle;
  QPushButton *GButton, *ToFile, *SaveAsButton, *PrintButton;
  QLineEdit *FileName, *SeedBox;
  QPlainTextEdit* MechBox;
  QLabel* SeedLabel;
};

inline Controls controlsOf(const TForm1& form) {
  return Controls(form);
}

inline void choose(TForm1& form, const QString& house, const QString& size, const QString& weight,
                   const QString& experience) {
  controlsOf(form).HouseBox->setCurrentText(house);
  controlsOf(form).SizeBox->setCurrentText(size);
  controlsOf(form).WeightBox->setCurrentText(weight);
  controlsOf(form).ExperienceBox->setCurrentText(experience);
}

inline QStringList listing(const TForm1& form) {
  return controlsOf(form).MechBox->toPlainText().split(u'\n');
}

// The message box open over `form`, or null.
inline QMessageBox* openErrorBox(const TForm1& form) {
  for (auto* box : form.findChildren<QMessageBox*>())
    if (box->isVisible()) return box;
  return nullptr;
}

// The message of the error box open over `form`, which is then dismissed; empty when none
// is open.
inline QString dismissErrorBox(TForm1& form) {
  QMessageBox* box = openErrorBox(form);
  if (box == nullptr) return {};
  const QString message = box->icon() == QMessageBox::Critical ? box->text() : "not critical";
  box->close();
  return message;
}

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
