// SPDX-License-Identifier: MIT
#include "ui/notice_box.h"

#include "ui/message_box.h"

void showNotice(QWidget* window, const QString& message) {
  windowMessageBox(window, QMessageBox::Information, message)->open();
}
