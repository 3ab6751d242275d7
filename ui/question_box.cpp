// SPDX-License-Identifier: MIT
#include "ui/question_box.h"

#include <QPushButton>

#include "ui/message_box.h"

void askFirst(QWidget* window, const QString& question, const std::function<void()>& onYes) {
  QMessageBox* box =
      windowMessageBox(window, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No);
  box->setDefaultButton(QMessageBox::No);
  QObject::connect(box->button(QMessageBox::Yes), &QPushButton::clicked, window, onYes);
  box->open();
}
