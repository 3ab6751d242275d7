// SPDX-License-Identifier: MIT
#include "ui/error_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox* messageBox(QWidget* window, QMessageBox::Icon icon, const QString& message,
                        QMessageBox::StandardButtons buttons = QMessageBox::Ok) {
  auto* box = new QMessageBox(icon, QStringLiteral("Musterwright"), message, buttons, window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  return box;
}

QMessageBox* errorBox(QWidget* window, const QString& message) {
  return messageBox(window, QMessageBox::Critical, message);
}

}  // namespace

void showError(QWidget* window, const QString& message) {
  errorBox(window, message)->open();
}

void showError(QWidget* window, const QString& message, const QString& action,
               const std::function<void()>& onAction) {
  QMessageBox* box = errorBox(window, message);
  QPushButton* button = box->addButton(action, QMessageBox::ActionRole);
  QObject::connect(button, &QPushButton::clicked, window, onAction);
  box->open();
}

void showNotice(QWidget* window, const QString& message) {
  messageBox(window, QMessageBox::Information, message)->open();
}

void askFirst(QWidget* window, const QString& question, const std::function<void()>& onYes) {
  QMessageBox* box =
      messageBox(window, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No);
  box->setDefaultButton(QMessageBox::No);
  QObject::connect(box->button(QMessageBox::Yes), &QPushButton::clicked, window, onYes);
  box->open();
}
