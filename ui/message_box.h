// SPDX-License-Identifier: MIT
// The message box that every failure, notice and question of the window is shown in: modal to
// `window`, titled "Musterwright", deleting itself once dismissed, so while it is up it can be
// found as `window`'s QMessageBox child. The message's lines open as sentences (boxMessage,
// roster/roster_words.h). The caller adds buttons and opens it with
// QDialog::open(), which does not block.
// Findings (a list's rows, a file's problems) go below the message in a scrolling list, shown
// at once, that holds them all while the box and its buttons stay on the screen, however many
// there are: `findings` given, or else every line after the first of a message longer than
// twelve lines.
#ifndef MUSTERWRIGHT_UI_MESSAGE_BOX_H
#define MUSTERWRIGHT_UI_MESSAGE_BOX_H

#include <QMessageBox>
#include <QStringList>
#include <functional>

QMessageBox* windowMessageBox(QWidget* window, QMessageBox::Icon icon, const QString& message,
                              QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                              const QStringList& findings = {});

// Adds `action` beside the box's buttons: pressing it closes the box and calls `onAction` with
// `window` alive.
void addAction(QMessageBox* box, QWidget* window, const QString& action,
               const std::function<void()>& onAction);

#endif
