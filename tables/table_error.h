// SPDX-License-Identifier: MIT
// The one failure of reading the table file: the file cannot be found or opened, or a
// search reached its end. The message names the file, the place (a line number where one
// helps), what was looked for and what was found.
#ifndef MUSTERWRIGHT_TABLES_TABLE_ERROR_H
#define MUSTERWRIGHT_TABLES_TABLE_ERROR_H

#include <stdexcept>

class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

#endif
