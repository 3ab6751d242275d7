// SPDX-License-Identifier: MIT
// The Collection… dialog: every design the draws can reach in the table file in use
// (odds/collection_designs.h), one row each with the tables listing it and the copies owned
// (0 to 99), a filter box over names and tables, and Open, Save and Save As for the collection
// file. Names of an opened file that no row holds are shown apart and written back on saving.
// A file with errors is refused whole with its messages, the dialog unchanged. Saves write
// aside and then replace (roster/roster_file.h) and never write over a file in use but the
// collection, which the dialog edits (roster/files_in_use.h); a save that fails says why and
// leaves the file it aimed at as it was. Each file opened or saved becomes the collection in use
// (collectionChosen).
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
#include "roster/files_in_use.h"
#include "tables/collection.h"

class QLabel;
class QLineEdit;
class QTableWidget;

class CollectionDialog : public QDialog {
  Q_OBJECT

 public:
  // Lists `designs`; `designNames` are the names (tableDesignNames) of the table file in use
  // that a file is read against; saves ask `files`, the files in use, which must outlive the
  // dialog. Opens `file` when it is not empty, showing its errors if it has any.
  CollectionDialog(std::vector<CollectionDesign> designs, std::vector<std::string> designNames,
                   const FilesInUse& files, const QString& file, QWidget* parent = nullptr);

  // Reads the collection at `path` into the rows; returns whether it was taken.
  bool openFile(const QString& path);
  // Writes the rows' copies, then the kept names, to `path` (collectionText); returns whether
  // it was written. A collection of no copies is refused, as a reader would refuse the file,
  // and so is every file in use but the collection; a refusal or a failed write shows its
  // message, and `path` and the collection in use stay as they were.
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
  const FilesInUse& files_;
  // The opened file's entries that no row holds, in the file's order.
  std::vector<CollectionEntry> kept_;
  QString file_;
  QLineEdit* filter_;
  QTableWidget* rows_;
  QLabel* keptLabel_;
  QLabel* totals_;
};

// Opens the dialog over `parent`, modeless, with the files in use `files`, on the table file
// `tableFile` whose bytes are `tableBytes` (messages name it by its file name) and the collection
// file `file` (may be empty); it deletes itself when closed. A table file whose designs cannot be
// worked out is reported instead. `chosen` is called with each file that becomes the collection
// in use.
void openCollectionDialog(QWidget* parent, const FilesInUse& files, const std::string& tableBytes,
                          const std::filesystem::path& tableFile, const QString& file,
                          const std::function<void(const QString&)>& chosen);

#endif
