// SPDX-License-Identifier: MIT
#include "ui/notice_box.h"

#include "ui/message_box.h"

void showNotice(QWidget* window, const QString& message, const QStringList& findings) {
  windowMessageBox(window, QMessageBox::Information, message, QMessageBox::Ok, findings)->open();
}

void showNotice(QWidget* window, const QString& message, const QStringList& findings,
                const QString& action, const std::function<void()>& onAction) {
  QMessageBox* box =
      windowMessageBox(window, QMessageBox::Information, message, QMessageBox::Ok, findings);
  addAction(box, window, action, onAction);
  box->open();
}
