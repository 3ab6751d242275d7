// SPDX-License-Identifier: MIT
// Asks the user before something that replaces their work, without blocking the caller, in the
// window's message box (message_box.h).
#ifndef MUSTERWRIGHT_UI_QUESTION_BOX_H
#define MUSTERWRIGHT_UI_QUESTION_BOX_H

#include <functional>

class QString;
class QWidget;

// A question box with Yes and No, No the default: Yes closes it and calls `onYes`; No, Escape or
// closing it changes nothing.
void askFirst(QWidget* window, const QString& question, const std::function<void()>& onYes);

#endif
