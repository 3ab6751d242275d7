// SPDX-License-Identifier: MIT
// The life of the main window inside a running QApplication: opens the table file, shows
// `Form1` and runs the event loop until the window is closed. Nothing escapes: a table file
// that cannot be read (or is found nowhere) and an exception out of the loop are shown in
// message boxes.
#ifndef MUSTERWRIGHT_UI_RUN_WINDOW_H
#define MUSTERWRIGHT_UI_RUN_WINDOW_H

#include <filesystem>
#include <optional>

// Returns once the window is closed, with `Form1` null again. The table file is `tables`, or
// where none is named, the one kept from the last run (TForm1::Start), else the first found
// where locateTableFile looks. A table file problem is
// shown over the window, which opens all the same, offering to choose another; Generate then
// tries the file again and reports the problem anew.
void runWindow(const std::optional<std::filesystem::path>& tables = std::nullopt);

#endif
