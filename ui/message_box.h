// SPDX-License-Identifier: MIT
// The message box that every failure, notice and question of the window is shown in: modal to
// `window`, titled "Musterwright", deleting itself once dismissed, so while it is up it can be
// found as `window`'s QMessageBox child. The message's lines open as sentences (boxMessage,
// roster/roster_words.h). The caller adds buttons and opens it with
// QDialog::open(), which does not block.
#ifndef MUSTERWRIGHT_UI_MESSAGE_BOX_H
#define MUSTERWRIGHT_UI_MESSAGE_BOX_H

#include <QMessageBox>

QMessageBox* windowMessageBox(QWidget* window, QMessageBox::Icon icon, const QString& message,
                              QMessageBox::StandardButtons buttons = QMessageBox::Ok);

#endif
