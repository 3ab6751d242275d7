// SPDX-License-Identifier: MIT
// The main window: four choice lists, the vehicles box, Generate and Save To File, the save
// file's name and the listing box, as TForm1.ui sets them up; above the vehicles box, the names
// of the table file and the design list in use (whole in their tooltip); below the file name,
// Save As, Print, the seed box, the budget, Recent and the collection; under the listing, the
// seed line of the listed force with its re-rolls and band, and its totals. At other sizes and
// fonts the controls follow window_layout.h. Keys: Ctrl+R and F5 generate; Ctrl+S, and Enter in
// the file name box, save; Ctrl+Shift+S saves as; Ctrl+P prints; Ctrl+O chooses the table file;
// Ctrl+L, Ctrl+Shift+L and Ctrl+T re-roll at the listing's text cursor (its group, the other
// groups, its slot); Ctrl+Z undoes in the listing, a re-roll included; Shift+F10 and the Menu key
// open the listing's menu. A handler that fails shows the reason in a message box over the
// window and changes nothing else in it (message_box.h lists long findings); a table file
// problem's box offers "Choose Table File…". A table file that fails its check is drawn from as
// it stands, its problems shown in a notice beside the first force drawn after each time it is
// read. "Draw from my collection" and "One of each" (each design once) limit the draws to the
// designs owned (generator/force.h); a notice then says how many slots stayed open. The window's
// menu (a right click outside the listing) chooses the design list in use or goes back to the
// shipped one. The budget box, in points or tons as the list above it says, draws within a band
// (roster/force_model.h); Enter in it generates. "Opposing force", below the collection, opens the
// opposing force's four lists, its vehicles box, the handicap and the tolerance: Generate then
// draws the pair (roster/force_pair.h), the listing holds both sides and the balance as the
// command line prints them, and the lines under it both seed lines, both totals and the balance.
#ifndef MUSTERWRIGHT_UI_TFORM1_H
#define MUSTERWRIGHT_UI_TFORM1_H

#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "roster/force_model.h"
#include "roster/kept_files.h"
#include "roster/reroll_request.h"
#include "ui/recent_forces.h"
#include "ui/table_source.h"
#include "ui_TForm1.h"

class QPrinter;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // Builds the controls from the form file, places the window's frame at its start position,
  // lays the controls out and wires the buttons and the keys.
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Puts the files in use at start: the table file `tables` (the command line's --tables) when
  // given, else the one kept from the last run (made tables with their base), else the one
  // found (locateTableFile); the design list and the collection kept from the last run. The
  // files kept are one set (roster/kept_files.h): when a file of it is gone, a notice names it
  // and none of the set is used.
  void Start(const std::optional<std::filesystem::path>& tables);
  // Makes `path` the table file (table_source.h), laid out over `base` for made tables, hands it
  // to the model and names it at once; one that cannot be read is reported, and false
  // returned. One that fails its check is used, its problems shown in a notice beside the next
  // force drawn.
  bool UseTableFile(const std::filesystem::path& path,
                    std::shared_ptr<const TableText> base = nullptr);
  // Reports a table file problem in a box that offers "Choose Table File…".
  void ShowTableProblem(const QString& message);

 private Q_SLOTS:
  // Generates a force from the chosen words (a list with nothing chosen counts as "Random")
  // and the vehicles box, with the seed in SeedBox or, while it is empty, a fresh one; lists
  // it in MechBox in place of its text and shows the seed in SeedLabel. The table file is
  // read again first when it has changed on disk. A seed box holding no seed (0 to
  // 4294967295), and a budget that is no band or cannot be met, is reported and changes nothing.
  void GButtonClick();
  // Writes MechBox's text as it stands, user edits included, to the file FileName names
  // (taken unchanged): one line per text line, each followed by CR LF. Refuses every file in use
  // (the model's files()), by whatever name.
  void ToFileClick();
  // Asks for a file name in the desktop's save dialog, opened in the folder of FileName's
  // file; the chosen name goes into FileName and is saved to as by ToFileClick.
  void SaveAsClick();
  // Prints MechBox's text as it stands through the print dialog (which also prints to PDF),
  // headed by the listed force's seed line (and the opposing force's) and ended by its totals
  // (and the opposing force's, then the balance); a PDF file is refused, as a save is, when it is
  // a file in use.
  void PrintClick();
  // Asks for a table file in a file dialog and uses the chosen one at once, as its own base;
  // kept for the next start.
  void ChooseTableFile();
  // Asks for a design list in a file dialog and uses the chosen one (UseDesignList).
  void ChooseDesignList();
  // Makes `file` the design list in use, "" the one found beside the table file (the shipped
  // one), and keeps the choice in the settings. A list refused is shown with every problem and
  // its row, the list in use unchanged. Of a list chosen, the window says whether its designs are
  // in the tables in use (designListMatch, roster/sources_words.h) above its names in no table
  // and its notices, and offers Tables From My List… where that would put them in tables.
  void UseDesignList(const QString& file);
  // Asks for a skill table in a file dialog and uses the chosen one (UseSkillTable).
  void ChooseSkillTable();
  // Makes `file` the skill table in use, "" the one found beside the table file (the shipped
  // one), and keeps the choice in the settings. A table refused is shown with every problem and
  // its row, the table in use unchanged; the warnings of one chosen are shown. The totals of the
  // force shown follow at once.
  void UseSkillTable(const QString& file);
  // Lays tables out from the design list in use over the base of the table file in use
  // (ForceModel::tablesBase) and opens the Tables From My List… dialog (made_tables_dialog.h) on
  // them; its Use makes them the table file in use, kept for the next start with their base. A
  // list that cannot be laid out is refused before any dialog opens, every problem listed; so is
  // asking with no design list in use.
  void MadeTablesClick();
  // Opens the Odds… dialog (odds_dialog.h) on the chosen words, the table file in use, the
  // design list in use and the budget typed.
  void OddsClick();
  // Opens the Collection… dialog (collection_dialog.h) on the table file in use and the
  // collection file in use; a file it opens or saves becomes the one in use.
  void CollectionClick();
  // Rolls again, in the listed force or the opposing force, whichever MechBox's line `line`
  // (from 0) lists (pairLineAt, roster/listing.h), what `kind` names there: its group, every
  // other group of that side (in group order), or its slot (rerollRequest,
  // roster/reroll_request.h). The listing becomes the new force's, as one step that Ctrl+Z
  // undoes, and the force goes into Recent. Where the request asks for nothing, does nothing.
  // When the listing has been edited, asks first.
  void RerollLine(RerollKind kind, int line);
  // Draws entry `index` of the Recent list (newest first) again from the choices, seed and
  // re-rolls kept (its opposing force's too), into the lists and the listing, asking first when the
  // listing has been edited; the model (roster/force_model.h) ticks the collection boxes to match
  // the entry and says when the table file or the collection differs from the one drawn from.
  void DrawRecent(int index);

 protected:
  // Opens the listing's menu on a context menu request over MechBox: at the line clicked, or
  // at the text cursor's line when it comes from the keyboard.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void WireButtonsAndKeys();
  // Fills the opposing force's lists from the engine's words and its handicap and tolerance
  // boxes with the engine's bounds and defaults; "Opposing force" opens them.
  void WireOpponent();
  void WireListing();
  // Hands the table file to the model when it was read since it was last handed on. Throws
  // TableError as TableSource::refresh does.
  void RefreshTables();
  // Whether MechBox's text differs from the listed force's listing.
  bool ListingEdited() const;
  // Shows a drawn force: its listing in MechBox as a fresh text (no undo step), its caption,
  // and the model's notices in one box; or the model's error.
  void ShowDrawn(const ForceView& view);
  void ShowFailure(const ForceView& view);
  void ApplyReroll(RerollKind kind, int line);
  // The seed caption and the force's totals beside it.
  void ShowSeed();
  // Names the table file and the design list in use, whole in the tooltip.
  void ShowSources();
  // Says in the Seed box's tooltip and accessible description that every Generate uses the
  // seed it holds (its own tooltip while it holds none).
  void ShowSeedBoxNotice();
  void RememberListed();
  void OpenListingMenu(int line, const QPoint& where);
  void ListRecent();
  // Tells the model of the collection file and the two boxes, and keeps them in the settings.
  void RememberCollectionChoice();
  // UseTableFile for made tables, their base read from `base`; a base that cannot be read is
  // reported and the made tables used as their own base.
  void UseMadeTables(const std::filesystem::path& made,
                     const std::optional<std::filesystem::path>& base);
  // The set of files kept in the settings at the last run.
  static KeptFiles keptFiles();
  // Keeps `file` as `kind` in the set kept for the next start, and the whole set in the settings.
  void KeepFile(FileKind kind, const std::optional<std::filesystem::path>& file);

  // The controls, as the form file sets them up; each keeps its object name from there, so
  // findChild finds it.
  Ui::TForm1 ui_;
  // The table file, the collection and the force listed, its re-rolls tied to MechBox's undo
  // steps, and the files in use.
  ForceModel model_;
  // The table file generated from, read again when it changes on disk.
  TableSource tables_{model_.files()};
  // The printer of the last print, so that the dialog keeps the user's settings.
  std::unique_ptr<QPrinter> printer_;
  std::vector<RecentForce> recent_;
  // The collection file in use; empty before one is opened or saved.
  QString collectionFile_;
  // The files the next start puts in use (Start).
  KeptFiles kept_;
  // The Seed box's tooltip as the form file gives it.
  QString seedBoxTip_;
};

// The window of the running program; null before start-up creates it and after it closes.
extern TForm1* Form1;

#endif
