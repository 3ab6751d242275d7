// SPDX-License-Identifier: MIT
#include "ui/run_window.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "roster/roster_words.h"
#include "ui/TForm1.h"

void runWindow(const std::optional<std::filesystem::path>& tables) {
  try {
    TForm1 window;
    Form1 = &window;
    window.show();
    window.Start(tables);
    QApplication::exec();
    Form1 = nullptr;
  } catch (const std::exception& error) {
    Form1 = nullptr;
    QMessageBox::critical(nullptr, QStringLiteral("Musterwright"),
                          QString::fromStdString(boxMessage(error.what())));
  }
}
