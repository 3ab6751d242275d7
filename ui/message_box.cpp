// SPDX-License-Identifier: MIT
#include "ui/message_box.h"

QMessageBox* windowMessageBox(QWidget* window, QMessageBox::Icon icon, const QString& message,
                              QMessageBox::StandardButtons buttons) {
  auto* box = new QMessageBox(icon, QStringLiteral("Musterwright"), message, buttons, window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  return box;
}
