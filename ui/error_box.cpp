// SPDX-License-Identifier: MIT
#include "ui/error_box.h"

#include "ui/message_box.h"

void showError(QWidget* window, const QString& message, const QStringList& findings) {
  windowMessageBox(window, QMessageBox::Critical, message, QMessageBox::Ok, findings)->open();
}

void showError(QWidget* window, const QString& message, const QString& action,
               const std::function<void()>& onAction) {
  QMessageBox* box = windowMessageBox(window, QMessageBox::Critical, message);
  addAction(box, window, action, onAction);
  box->open();
}
