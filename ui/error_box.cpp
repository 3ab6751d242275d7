// SPDX-License-Identifier: MIT
#include "ui/error_box.h"

#include <QPushButton>

#include "ui/message_box.h"

void showError(QWidget* window, const QString& message) {
  windowMessageBox(window, QMessageBox::Critical, message)->open();
}

void showError(QWidget* window, const QString& message, const QString& action,
               const std::function<void()>& onAction) {
  QMessageBox* box = windowMessageBox(window, QMessageBox::Critical, message);
  QPushButton* button = box->addButton(action, QMessageBox::ActionRole);
  QObject::connect(button, &QPushButton::clicked, window, onAction);
  box->open();
}
