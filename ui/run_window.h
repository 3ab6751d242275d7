// The life of the main window inside a running QApplication: opens the table file, shows
// `Form1` and runs the event loop until the window is closed. Nothing escapes: a table file
// found nowhere (or unopenable) and an exception out of the loop are shown in message boxes.
#ifndef MUSTERWRIGHT_UI_RUN_WINDOW_H
#define MUSTERWRIGHT_UI_RUN_WINDOW_H

// Returns once the window is closed, with `Form1` null again. A table file problem is shown
// over the window, which opens all the same; Generate then reports the problem anew.
void runWindow();

#endif
