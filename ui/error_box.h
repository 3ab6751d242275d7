// SPDX-License-Identifier: MIT
// Shows a failure to the user without blocking the caller, in the window's message box
// (message_box.h).
#ifndef MUSTERWRIGHT_UI_ERROR_BOX_H
#define MUSTERWRIGHT_UI_ERROR_BOX_H

#include <functional>

#include <QStringList>

class QString;
class QWidget;

// `findings`, when given, are listed below the message (message_box.h).
void showError(QWidget* window, const QString& message, const QStringList& findings = {});

// The same box with a second button, `action`, beside OK: pressing it closes the box and
// calls `onAction`.
void showError(QWidget* window, const QString& message, const QString& action,
               const std::function<void()>& onAction);

#endif
