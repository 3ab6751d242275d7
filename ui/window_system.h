// SPDX-License-Identifier: MIT
// Starting Qt's GUI on the window system. Where the window system cannot be reached (an X
// display that does not answer, a bad WAYLAND_DISPLAY, a platform plugin that is missing or
// fails), Qt itself would print several lines and abort; here the program instead writes one
// line to standard error, naming the display and what to do instead, and ends with status 1.
#ifndef MUSTERWRIGHT_UI_WINDOW_SYSTEM_H
#define MUSTERWRIGHT_UI_WINDOW_SYSTEM_H

#include <QApplication>
#include <memory>

// Creates the application from the program's arguments (Qt takes its own options, such as
// -platform, -display and -stylesheet, out of them). Returns only once the window system is
// open; Qt's messages while it opens are passed on then. Otherwise the process ends as
// described above.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

#endif
