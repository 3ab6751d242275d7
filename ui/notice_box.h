// SPDX-License-Identifier: MIT
// Shows something the user should know that is no failure (a table file that fails its check, a
// Recent force drawn from another table file), without blocking the caller, in the window's
// message box (message_box.h).
#ifndef MUSTERWRIGHT_UI_NOTICE_BOX_H
#define MUSTERWRIGHT_UI_NOTICE_BOX_H

class QString;
class QWidget;

void showNotice(QWidget* window, const QString& message);

#endif
