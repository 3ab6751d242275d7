// SPDX-License-Identifier: MIT
#include "ui/message_box.h"

#include "roster/roster_words.h"

QMessageBox* windowMessageBox(QWidget* window, QMessageBox::Icon icon, const QString& message,
                              QMessageBox::StandardButtons buttons) {
  auto* box =
      new QMessageBox(icon, QStringLiteral("Musterwright"),
                      QString::fromStdString(boxMessage(message.toStdString())), buttons, window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  return box;
}
