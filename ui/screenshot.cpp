// SPDX-License-Identifier: MIT
// Renders the main window offscreen, as it stands after generating a Davion "Company" with
// the seed 1, and writes the picture as PNG: musterwright-screenshot OUTPUT.png TABLES.dat
// [POINTS]
// POINTS sets the application font's size, to show the window at a larger font.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "generator/table_text.h"
#include "ui/TForm1.h"

int main(int argc, char** argv) {
  const double points = argc == 4 ? std::atof(argv[3]) : 0;
  if ((argc != 3 && argc != 4) || (argc == 4 && points <= 0)) {
    std::fputs("usage: musterwright-screenshot OUTPUT.png TABLES.dat [POINTS]\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The picture's Generate goes into a Recent list of its own, not the user's.
  const QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  QApplication application(argc, argv);
  if (points > 0) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    QApplication::setFont(font);
  }
  try {
    readTableText(argv[2]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "musterwright-screenshot: %s\n", error.what());
    return 1;
  }
  TForm1 window;
  window.UseTableFile(argv[2]);
  const auto set = [&window](const char* name, const QString& text) {
    window.findChild<QComboBox*>(name)->setCurrentText(text);
  };
  set("HouseBox", QStringLiteral("Davion"));
  set("SizeBox", QStringLiteral("Company"));
  set("WeightBox", QStringLiteral("Random"));
  set("ExperienceBox", QStringLiteral("Regular"));
  window.findChild<QLineEdit*>("SeedBox")->setText(QStringLiteral("1"));
  window.show();
  window.findChild<QPushButton*>("GButton")->click();
  QApplication::processEvents();
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "musterwright-screenshot: %s: the picture could not be written\n",
                 argv[1]);
    return 1;
  }
  return 0;
}
