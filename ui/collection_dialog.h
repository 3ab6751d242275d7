// SPDX-License-Identifier: MIT
// The Collection… dialog: every design the draws can reach in the table file in use
// (odds/collection_designs.h), one row each with the tables listing it and the copies owned
// (0 to 99), a filter box over names and tables, and Open, Save and Save As for the collection
// file. Names of an opened file that no row holds are shown apart and written back on saving.
// A file with errors is refused whole with its messages, the dialog unchanged. Saves write
// aside and then replace (roster/roster_file.h) and never write over the table file in use; a
// save that fails says why and leaves the file it aimed at as it was. Each file opened or saved
// becomes the collection in use (collectionChosen).
#ifndef MUSTERWRIGHT_UI_COLLECTION_DIALOG_H
#define MUSTERWRIGHT_UI_COLLECTION_DIALOG_H

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "odds/collection_designs.h"
#include "tables/collection.h"

class QLabel;
class QLineEdit;
class QTableWidget;

class CollectionDialog : public QDialog {
  Q_OBJECT

 public:
  // Lists `designs`; `designNames` are the names (tableDesignNames) of the table file
  // `tableFile` that a file is read against; no save goes to `tableFile` or to `designList`, the
  // design list in use (none for none), by any name. Opens `file` when it is not empty, showing
  // its errors if it has any.
  CollectionDialog(std::vector<CollectionDesign> designs, std::vector<std::string> designNames,
                   std::filesystem::path tableFile, std::optional<std::filesystem::path> designList,
                   const QString& file, QWidget* parent = nullptr);

  // Reads the collection at `path` into the rows; returns whether it was taken.
  bool openFile(const QString& path);
  // Writes the rows' copies, then the kept names, to `path` (collectionText); returns whether
  // it was written. A collection of no copies is refused, as a reader would refuse the file,
  // and so are the table file and the design list in use (roster/table_guard.h); a refusal or
  // a failed write shows its message, and `path` and the collection in use stay as they were.
  bool saveFile(const QString& path);
  // Sets the copies of the row named `name` (any letter case); false when no row has it.
  bool setCopies(const QString& name, int copies);

 Q_SIGNALS:
  // `path` was opened or saved and is now the collection in use.
  void collectionChosen(const QString& path);

 private:
  void applyFilter(const QString& text);
  void showTotals();
  void openAsked();
  void saveAsAsked();

  std::vector<CollectionDesign> designs_;
  std::vector<std::string> designNames_;
  std::filesystem::path tableFile_;
  std::optional<std::filesystem::path> designList_;
  // The opened file's entries that no row holds, in the file's order.
  std::vector<CollectionEntry> kept_;
  QString file_;
  QLineEdit* filter_;
  QTableWidget* rows_;
  QLabel* keptLabel_;
  QLabel* totals_;
};

// Opens the dialog over `parent`, modeless, on the table file `tableFile` whose bytes are
// `tableBytes` (messages name it by its file name), the design list in use `designList` (no save
// goes to either) and the collection file `file` (may be empty); it deletes itself when closed. A
// table file whose designs cannot be worked out is reported instead. `chosen` is called with each
// file that becomes the collection in use.
void openCollectionDialog(QWidget* parent, const std::string& tableBytes,
                          const std::filesystem::path& tableFile,
                          const std::optional<std::filesystem::path>& designList,
                          const QString& file, const std::function<void(const QString&)>& chosen);

#endif
