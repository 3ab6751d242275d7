// SPDX-License-Identifier: MIT
// The Odds… dialog: the four choice lists and the Include Vehicles box, and below them one
// table per part of the exact odds (odds/force_odds.h) with each row's design or word, its
// source and weight class, the chance as a fraction and as a percentage drawn as a bar, and
// the expected number in the force; below them the force's expected tons and points from the
// design list in use (none without one), and with a budget typed in the window the band's chance
// and the totals the choices reach, as musterwright-cli --odds --points (or --tons) gives them.
// Every column sorts. The figures
// follow each change of the choices, read from the table file as it stands on disk. Copy puts the
// odds on the clipboard as CSV; Save As writes them to a CSV file, never over a file in use
// (roster/files_in_use.h). A table file that fails its check gives its odds as the searches read
// it, its problems shown above them; one that cannot be read, or whose odds cannot be given, shows
// the reason instead of figures.
#ifndef MUSTERWRIGHT_UI_ODDS_DIALOG_H
#define MUSTERWRIGHT_UI_ODDS_DIALOG_H

#include <QDialog>
#include <filesystem>
#include <memory>
#include <optional>

#include "odds/odds_report.h"
#include "roster/budget_words.h"
#include "roster/files_in_use.h"
#include "roster/force_model.h"
#include "tables/design_list.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;

class OddsDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens on the odds of `choices` for the table file at `tables`, with the expected numbers of
  // `designs`; without them, of the list found beside the table file. A `budget` that is not
  // empty adds its band's figures, from the same list; a band that is no band, or no list, shows
  // why there are none instead. Save As asks `files`, the files in use, which must outlive the
  // dialog.
  OddsDialog(const FilesInUse& files, std::filesystem::path tables, const Selection& choices,
             QWidget* parent = nullptr, std::shared_ptr<const DesignList> designs = nullptr,
             BudgetText budget = {});

  // The CSV of the odds shown, with the budget's rows where its figures are shown, or "" while
  // messages stand in their place.
  QString csv() const;
  // The table file's problems shown above the odds; "" for a sound file.
  QString warning() const;
  // The budget's figures as shown below the odds, or why there are none; "" without a budget.
  QString budgetOdds() const;

 public Q_SLOTS:
  // Works the odds out again for the choices as they stand.
  void refresh();
  void copyCsv();
  void saveCsvAs();
  // Writes csv() to `file`; a failure, or `file` being a file in use, is shown in a box.
  void saveCsv(const QString& file);

 private:
  void showMessages(const QString& messages);
  // The budget's figures for `choices` with `list` as text (and kept for the CSV), or why there
  // are none; "" without a budget.
  std::string budgetOddsOf(const Selection& choices, const std::string& bytes,
                           const std::string& name, const DesignList* list);

  const FilesInUse& files_;
  std::filesystem::path tables_;
  std::shared_ptr<const DesignList> designs_;
  BudgetText budget_;
  QComboBox *faction_, *size_, *weight_, *experience_;
  QCheckBox* vehicles_;
  QLabel* warning_;
  QLabel* numbers_;
  QLabel* budgetOdds_;
  QStackedWidget* pages_;
  QTabWidget* parts_;
  QPlainTextEdit* messages_;
  QPushButton *copy_, *saveAs_;
  std::optional<OddsReport> report_;
  std::optional<BudgetFigures> budgetFigures_;
};

// Opens the dialog over `parent`, modeless; it deletes itself when closed.
void openOddsDialog(QWidget* parent, const FilesInUse& files, const std::filesystem::path& tables,
                    const Selection& choices, const BudgetText& budget,
                    std::shared_ptr<const DesignList> designs = nullptr);

#endif
