// What the window's suites share: choosing in the lists, reading the listing, the message box
// open over the window, and files' bytes.
#ifndef MUSTERWRIGHT_TESTS_WINDOW_WINDOW_TEST_SUPPORT_H
#define MUSTERWRIGHT_TESTS_WINDOW_WINDOW_TEST_SUPPORT_H

#include <QFile>
#include <QMessageBox>
#include <QTest>

#include "ui/TForm1.h"

inline void choose(TForm1& form, const QString& house, const QString& size, const QString& weight,
                   const QString& experience) {
  form.HouseBox->setCurrentText(house);
  form.SizeBox->setCurrentText(size);
  form.WeightBox->setCurrentText(weight);
  form.ExperienceBox->setCurrentText(experience);
}

inline QStringList listing(const TForm1& form) {
  return form.MechBox->toPlainText().split(u'\n');
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
