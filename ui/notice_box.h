// SPDX-License-Identifier: MIT
// Shows something the user should know that is no failure (a table file that fails its check, a
// Recent force drawn from another table file), without blocking the caller, in the window's
// message box (message_box.h).
#ifndef MUSTERWRIGHT_UI_NOTICE_BOX_H
#define MUSTERWRIGHT_UI_NOTICE_BOX_H

#include <QStringList>
#include <functional>

class QString;
class QWidget;

// `findings`, when given, are listed below the message (message_box.h).
void showNotice(QWidget* window, const QString& message, const QStringList& findings = {});

// The same box with a second button, `action`, beside OK: pressing it closes the box and
// calls `onAction`.
void showNotice(QWidget* window, const QString& message, const QStringList& findings,
                const QString& action, const std::function<void()>& onAction);

#endif
