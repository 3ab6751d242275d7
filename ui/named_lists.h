// SPDX-License-Identifier: MIT
// How screen readers hear the window's choice lists. On Unix desktops (AT-SPI) Qt names a list by
// its current choice alone, so a reader heard "Points" and never what the list is for. Once this
// is installed, a list that the form gives an accessible name is named "<name>: <choice>"
// ("Budget in: Points"; its name alone while nothing is chosen), which AT-SPI announces again
// with every change of the choice; its value stays the choice. Elsewhere Qt already names a
// list by its accessible name, and nothing changes.
#ifndef MUSTERWRIGHT_UI_NAMED_LISTS_H
#define MUSTERWRIGHT_UI_NAMED_LISTS_H

class QWidget;

// Names so every list among `form`'s children, built from the form file, and every list made
// later with its accessible name set before a screen reader first asks for it.
void nameListsForScreenReaders(QWidget* form);

#endif
