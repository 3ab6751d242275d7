// SPDX-License-Identifier: MIT
// Lays out the main window with Qt's box layouts so that it follows the window's size and the
// font. Every margin and gap is read off the controls' geometry as the form file placed them;
// at Qt's default font each control keeps its form size, so the window opens exactly as the
// form draws it. A larger font lets each control grow to its size hint, its neighbours move
// aside and the window's minimum size grow with them; a listing line that is wider than the
// listing box widens it. Lines of text that may be long (ElidedLabel) never widen the window:
// where it is too narrow they are shown shortened, never cut.
#ifndef MUSTERWRIGHT_UI_WINDOW_LAYOUT_H
#define MUSTERWRIGHT_UI_WINDOW_LAYOUT_H

#include <QList>

class QPlainTextEdit;
class QWidget;

// The window's parts, each control still at its form geometry inside `window`:
// `topRow`, left to right, whose last control keeps its place against the right edge;
// `listing`, below the row, which takes every pixel the window gains; `column`, top to
// bottom, right of the listing and against the right edge; controls of the column at the same
// form height stand in one row; `footer`, one line below the listing and the column, left to
// right, as wide as the top row: each of its labels shows its whole text where the line has
// room, the last one giving up its room first and taking what the others leave.
struct WindowParts {
  QList<QWidget*> topRow;
  QPlainTextEdit* listing = nullptr;
  QList<QWidget*> column;
  QList<QWidget*> footer;
};

// Installs the layout on `window`. The window's minimum size becomes the smallest at which
// every control is whole: at Qt's default font, the form's own size. Call it once, after the
// form file has set the controls up and before the window is shown.
void layOutWindow(QWidget* window, const WindowParts& parts);

#endif
