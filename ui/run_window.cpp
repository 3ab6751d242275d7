#include "ui/run_window.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "generator/generate.h"
#include "tables/table_location.h"
#include "ui/TForm1.h"
#include "ui/error_box.h"

void runWindow() {
  QString tableFileProblem;
  try {
    openTableFile(locateTableFile());
  } catch (const std::exception& error) {
    tableFileProblem = QString::fromStdString(error.what());
  }
  try {
    TForm1 window;
    Form1 = &window;
    window.show();
    if (!tableFileProblem.isEmpty()) showError(&window, tableFileProblem);
    QApplication::exec();
    Form1 = nullptr;
  } catch (const std::exception& error) {
    Form1 = nullptr;
    QMessageBox::critical(nullptr, QStringLiteral("Musterwright"),
                          QString::fromStdString(error.what()));
  }
}
