// SPDX-License-Identifier: MIT
// The Tables From My List… dialog: lays out tables from the design list in use over the table
// file in use (tables/table_making.h, as musterwright-cli --make-tables does) and shows the
// report: each design's chance asked and given, the designs left out, the bytes left; or every
// problem that kept the tables from being laid out. Use saves the result in the user's data
// folder and hands that file on to be the table file in use; Save As writes it where the user
// chooses, through the safe save. Neither writes over a file in use (roster/files_in_use.h).
#ifndef MUSTERWRIGHT_UI_MADE_TABLES_DIALOG_H
#define MUSTERWRIGHT_UI_MADE_TABLES_DIALOG_H

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>

#include "roster/files_in_use.h"

class QPlainTextEdit;
class QPushButton;

class MadeTablesDialog : public QDialog {
  Q_OBJECT

 public:
  // Lays the tables out from the list at `list` over the table file at `tables`; `use` is
  // called with the file Use saved. Saves ask `files`, the files in use, which must outlive the
  // dialog.
  MadeTablesDialog(const FilesInUse& files, std::filesystem::path tables,
                   std::filesystem::path list,
                   std::function<void(const std::filesystem::path&)> use,
                   QWidget* parent = nullptr);

  // The report shown, or the problems; the table file made, "" when none was.
  QString report() const;
  const std::string& madeBytes() const { return bytes_; }

 public Q_SLOTS:
  void useMade();
  void saveMadeAs();
  // Writes the table file made to `file`; a failure, or `file` being a file in use, is shown in
  // a box and nothing is written.
  void saveMade(const QString& file);

 private:
  const FilesInUse& files_;
  std::filesystem::path tables_;
  std::filesystem::path list_;
  std::function<void(const std::filesystem::path&)> use_;
  std::string bytes_;
  QPlainTextEdit* report_;
  QPushButton *useButton_, *saveAs_;
};

#endif
