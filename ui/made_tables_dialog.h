// SPDX-License-Identifier: MIT
// The Tables From My List… dialog: shows the report of tables laid out from a design list
// (roster/made_tables.h): the list's notices, each design's chance asked and given, the designs
// left out, the bytes left. Use saves the tables in the user's data folder under their one name
// (madeTablesFileName) and hands that file on, with the base they were laid out over, to be the
// table file in use; Use again, after another layout, replaces the made tables in use and no
// other file. Save As writes them where the user chooses, through the safe save. Neither writes
// over any other file in use (roster/files_in_use.h).
#ifndef MUSTERWRIGHT_UI_MADE_TABLES_DIALOG_H
#define MUSTERWRIGHT_UI_MADE_TABLES_DIALOG_H

#include <QDialog>
#include <filesystem>
#include <functional>
#include <memory>

#include "generator/table_text.h"
#include "roster/files_in_use.h"
#include "roster/made_tables.h"

class QPlainTextEdit;

class MadeTablesDialog : public QDialog {
  Q_OBJECT

 public:
  // What Use hands on: the file saved and the base it was laid out over.
  using UseMade =
      std::function<void(const std::filesystem::path& made, std::shared_ptr<const TableText> base)>;

  // Shows `made`, tables laid out (made() holds) over `base`. Saves ask `files`, the files in
  // use, which must outlive the dialog.
  MadeTablesDialog(const FilesInUse& files, MadeTables made, std::shared_ptr<const TableText> base,
                   UseMade use, QWidget* parent = nullptr);

  // The notices and the report shown; the table file made.
  QString report() const;
  const std::string& madeBytes() const { return made_.making.bytes; }

 public Q_SLOTS:
  void useMade();
  void saveMadeAs();
  // Writes the table file made to `file`; a failure, or `file` being a file in use, is shown in
  // a box and nothing is written.
  void saveMade(const QString& file);

 private:
  const FilesInUse& files_;
  MadeTables made_;
  std::shared_ptr<const TableText> base_;
  UseMade use_;
  QPlainTextEdit* report_;
};

#endif
