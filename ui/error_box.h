// SPDX-License-Identifier: MIT
// Shows a failure, a notice or a question to the user without blocking the caller: a message
// box, modal to `window`, opened with QDialog::open(). It deletes itself once dismissed, so
// while it is up it can be found as `window`'s QMessageBox child.
#ifndef MUSTERWRIGHT_UI_ERROR_BOX_H
#define MUSTERWRIGHT_UI_ERROR_BOX_H

#include <functional>

class QString;
class QWidget;

void showError(QWidget* window, const QString& message);

// The same box with a second button, `action`, beside OK: pressing it closes the box and
// calls `onAction`.
void showError(QWidget* window, const QString& message, const QString& action,
               const std::function<void()>& onAction);

// An information box: something the user should know that is no failure.
void showNotice(QWidget* window, const QString& message);

// A question box with Yes and No: Yes closes it and calls `onYes`; No, Escape or closing it
// changes nothing.
void askFirst(QWidget* window, const QString& question, const std::function<void()>& onYes);

#endif
