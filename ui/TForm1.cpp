// SPDX-License-Identifier: MIT
#include "ui/TForm1.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <exception>
#include <memory>
#include <optional>

#include "generator/balance_band.h"
#include "generator/choice_words.h"
#include "roster/design_source.h"
#include "roster/listing.h"
#include "roster/listing_text.h"
#include "roster/made_tables.h"
#include "roster/roster_file.h"
#include "roster/roster_words.h"
#include "roster/sources_words.h"
#include "tables/skill_table.h"
#include "tables/table_error.h"
#include "tables/table_location.h"
#include "ui/collection_dialog.h"
#include "ui/error_box.h"
#include "ui/made_tables_dialog.h"
#include "ui/named_lists.h"
#include "ui/notice_box.h"
#include "ui/odds_dialog.h"
#include "ui/question_box.h"
#include "ui/window_layout.h"

TForm1* Form1 = nullptr;

namespace {

// Where the window's frame opens on the screen. A form file cannot hold a top-level
// window's position, only its size.
constexpr QPoint kFramePosition{192, 107};

QSettings windowSettings() {
  return QSettings(QStringLiteral("musterwright"), QStringLiteral("musterwright"));
}

// Where the settings keep each file of the set kept for the next start (roster/kept_files.h).
const std::pair<FileKind, QString> kKeptFileKeys[] = {
    {kTableFile,      QStringLiteral("tables/file")    },
    {kMadeTables,     QStringLiteral("tables/made")    },
    {kMadeTablesBase, QStringLiteral("tables/base")    },
    {kDesignList,     QStringLiteral("designs/file")   },
    {kCollection,     QStringLiteral("collection/file")},
    {kSkillTable,     QStringLiteral("skills/file")    },
};

std::string chosenWord(const QComboBox* list) {
  return list->currentText().toStdString();
}

std::filesystem::path pathOf(const QString& name) {
  return QFile::encodeName(name).toStdString();
}

QStringList linesOf(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << QString::fromStdString(line);
  return list;
}

// The words chosen in the lists (a list with nothing chosen gives "") and the vehicles box.
Selection chosenWords(const Ui::TForm1& ui) {
  return {chosenWord(ui.HouseBox), chosenWord(ui.SizeBox), chosenWord(ui.WeightBox),
          chosenWord(ui.ExperienceBox), ui.Vehicle->isChecked()};
}

// What the budget kind list counts, in its order: points, tons, points with crew skill.
constexpr std::string BudgetText::*kBudgetKinds[] = {&BudgetText::points, &BudgetText::tons,
                                                     &BudgetText::skillPoints};

// The budget typed in the budget box, as typed, in what its kind list counts.
BudgetText typedBudget(const Ui::TForm1& ui) {
  BudgetText budget;
  budget.*kBudgetKinds[std::clamp(ui.BudgetKind->currentIndex(), 0, 2)] =
      ui.BudgetBox->text().toStdString();
  return budget;
}

// Sets the budget boxes to `budget` (the first kind it has, in the list's order).
void showBudget(const Ui::TForm1& ui, const BudgetText& budget) {
  int kind = 0;
  while (kind < 2 && (budget.*kBudgetKinds[kind]).empty()) ++kind;
  if ((budget.*kBudgetKinds[kind]).empty()) kind = 0;
  ui.BudgetKind->setCurrentIndex(kind);
  ui.BudgetBox->setText(QString::fromStdString(budget.*kBudgetKinds[kind]));
}

void choose(QComboBox* list, const std::string& word) {
  list->setCurrentIndex(list->findText(QString::fromStdString(word)));
}

// The opposing force's four lists, in the order of Selection's words.
std::array<QComboBox*, 4> opponentLists(const Ui::TForm1& ui) {
  return {ui.OpponentHouseBox, ui.OpponentSizeBox, ui.OpponentWeightBox, ui.OpponentExperienceBox};
}

// The opposing force asked for while "Opposing force" is ticked: its words (a list with nothing
// chosen counts as "Random"), its vehicles box, the handicap and the tolerance; none while not.
std::optional<OpponentRequest> chosenOpponent(const Ui::TForm1& ui) {
  if (!ui.OpponentBox->isChecked()) return std::nullopt;
  OpponentRequest request;
  request.choices = {chosenWord(ui.OpponentHouseBox), chosenWord(ui.OpponentSizeBox),
                     chosenWord(ui.OpponentWeightBox), chosenWord(ui.OpponentExperienceBox),
                     ui.OpponentVehicle->isChecked()};
  request.handicap = ui.HandicapBox->value();
  request.tolerance = ui.ToleranceBox->value();
  return request;
}

// Sets the opposing force's controls to `opponent`, "Opposing force" unticked for none.
void showOpponent(const Ui::TForm1& ui, const std::optional<OpponentRequest>& opponent) {
  ui.OpponentBox->setChecked(opponent.has_value());
  if (!opponent) return;
  const Selection& choices = opponent->choices;
  const std::array<const std::string*, 4> words{&choices.house, &choices.size, &choices.weight,
                                                &choices.experience};
  for (std::size_t k = 0; k < words.size(); ++k) choose(opponentLists(ui)[k], *words[k]);
  ui.OpponentVehicle->setChecked(choices.withVehicles);
  ui.HandicapBox->setValue(opponent->handicap);
  ui.ToleranceBox->setValue(opponent->tolerance);
}

// The seed line of the force listed, and under it the opposing force's.
QString seedLines(const ForceView& view) {
  std::string lines = view.caption;
  if (view.opponent != nullptr) lines += "\n" + view.opponentCaption;
  return QString::fromStdString(lines);
}

// The totals of the force listed, and under them the opposing force's and the balance.
QString totalsLines(const ForceView& view) {
  std::string lines = view.totals;
  if (view.opponent != nullptr) lines += "\n" + view.opponentTotals + "\n" + view.balance;
  return QString::fromStdString(lines);
}

// Where listing line `line` of `view` lies: its side, its group or slot, and that side's force;
// none for a line no re-roll starts from, or while nothing is listed.
struct ListedLine {
  Side side;
  Reroll at;
  const Force* force;
};
std::optional<ListedLine> listedLine(const ForceView& view, int line) {
  if (view.force == nullptr) return std::nullopt;
  if (view.opponent == nullptr) {
    const std::optional<Reroll> at =
        rerollAtLine(line, view.force->groupSize(), view.force->groupCount());
    if (!at) return std::nullopt;
    return ListedLine{Side::a, *at, view.force};
  }
  const std::optional<PairLine> at = pairLineAt(line, *view.force, *view.opponent, 0);
  if (!at) return std::nullopt;
  return ListedLine{at->side, at->at, at->side == Side::b ? view.opponent : view.force};
}

// The listing's re-rolls, each with its entry in the listing's menu ("%1" the group's word)
// and its key.
struct RerollEntry {
  RerollKind kind;
  const char* text;
  QKeyCombination key;
};
constexpr RerollEntry kRerollEntries[] = {
    {RerollKind::group,       "Roll This %1 Again",                  Qt::CTRL | Qt::Key_L},
    {RerollKind::otherGroups, "Keep This %1, Roll the Others Again",
     Qt::CTRL | Qt::SHIFT | Qt::Key_L                                                    },
    {RerollKind::slot,        "Roll This Slot Again",                Qt::CTRL | Qt::Key_T},
};

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  ui_.setupUi(this);
  nameListsForScreenReaders(this);
  move(kFramePosition);
  WindowParts parts;
  parts.topRow = {ui_.HouseBox, ui_.SizeBox, ui_.ExperienceBox, ui_.WeightBox};
  parts.listing = ui_.MechBox;
  parts.column = {ui_.FilesLabel, ui_.Vehicle,      ui_.GButton,     ui_.ToFile,
                  ui_.FileName,   ui_.SaveAsButton, ui_.PrintButton, ui_.SeedBox};
  parts.column << ui_.BudgetLabel << ui_.BudgetKind << ui_.BudgetBox << ui_.SkillsLabel
               << ui_.RecentButton << ui_.CollectionButton << ui_.OwnedBox << ui_.UniqueBox
               << ui_.OpponentBox << ui_.OpponentHouseBox << ui_.OpponentSizeBox
               << ui_.OpponentWeightBox << ui_.OpponentExperienceBox << ui_.OpponentVehicle
               << ui_.HandicapBox << ui_.ToleranceBox;
  parts.footer = {ui_.SeedLabel, ui_.TotalsLabel};
  layOutWindow(this, parts);
  WireButtonsAndKeys();
  WireOpponent();
  WireListing();

  recent_ = loadRecentForces();
  auto* recentMenu = new QMenu(ui_.RecentButton);
  ui_.RecentButton->setMenu(recentMenu);
  connect(recentMenu, &QMenu::aboutToShow, this, &TForm1::ListRecent);
}

void TForm1::WireButtonsAndKeys() {
  connect(ui_.GButton, &QPushButton::clicked, this, &TForm1::GButtonClick);
  connect(ui_.ToFile, &QPushButton::clicked, this, &TForm1::ToFileClick);
  connect(ui_.FileName, &QLineEdit::returnPressed, this, &TForm1::ToFileClick);
  connect(ui_.BudgetBox, &QLineEdit::returnPressed, this, &TForm1::GButtonClick);
  connect(ui_.SaveAsButton, &QPushButton::clicked, this, &TForm1::SaveAsClick);
  connect(ui_.PrintButton, &QPushButton::clicked, this, &TForm1::PrintClick);
  connect(ui_.CollectionButton, &QPushButton::clicked, this, &TForm1::CollectionClick);
  {
    const QSettings settings = windowSettings();
    ui_.OwnedBox->setChecked(settings.value(QStringLiteral("collection/draw")).toBool());
    ui_.UniqueBox->setChecked(settings.value(QStringLiteral("collection/unique")).toBool());
  }
  model_.setCollectionChoice(ui_.OwnedBox->isChecked(), ui_.UniqueBox->isChecked());
  connect(ui_.SeedBox, &QLineEdit::textChanged, this, &TForm1::ShowSeedBoxNotice);
  ShowSeedBoxNotice();
  connect(ui_.OwnedBox, &QCheckBox::toggled, this, &TForm1::RememberCollectionChoice);
  connect(ui_.UniqueBox, &QCheckBox::toggled, this, &TForm1::RememberCollectionChoice);
  const std::pair<QKeySequence, void (TForm1::*)()> keys[] = {
      {Qt::CTRL | Qt::Key_R,             &TForm1::GButtonClick   },
      {Qt::Key_F5,                       &TForm1::GButtonClick   },
      {Qt::CTRL | Qt::Key_S,             &TForm1::ToFileClick    },
      {Qt::CTRL | Qt::SHIFT | Qt::Key_S, &TForm1::SaveAsClick    },
      {Qt::CTRL | Qt::Key_P,             &TForm1::PrintClick     },
      {Qt::CTRL | Qt::Key_O,             &TForm1::ChooseTableFile},
  };
  for (const auto& [sequence, handler] : keys)
    connect(new QShortcut(sequence, this), &QShortcut::activated, this, handler);
  auto* designs = new QAction(QStringLiteral("Design List…"), this);
  designs->setObjectName(QStringLiteral("DesignListAction"));
  connect(designs, &QAction::triggered, this, &TForm1::ChooseDesignList);
  addAction(designs);
  auto* shipped = new QAction(QStringLiteral("Shipped Design List"), this);
  shipped->setObjectName(QStringLiteral("ShippedDesignsAction"));
  connect(shipped, &QAction::triggered, this, [this] { UseDesignList(QString()); });
  addAction(shipped);
  auto* skills = new QAction(QStringLiteral("Skill Table…"), this);
  skills->setObjectName(QStringLiteral("SkillTableAction"));
  connect(skills, &QAction::triggered, this, &TForm1::ChooseSkillTable);
  addAction(skills);
  auto* shippedSkills = new QAction(QStringLiteral("Shipped Skill Table"), this);
  shippedSkills->setObjectName(QStringLiteral("ShippedSkillsAction"));
  connect(shippedSkills, &QAction::triggered, this, [this] { UseSkillTable(QString()); });
  addAction(shippedSkills);
  auto* made = new QAction(QStringLiteral("Tables From My List…"), this);
  made->setObjectName(QStringLiteral("MadeTablesAction"));
  connect(made, &QAction::triggered, this, &TForm1::MadeTablesClick);
  addAction(made);
  auto* odds = new QAction(QStringLiteral("Odds…"), this);
  odds->setObjectName(QStringLiteral("OddsAction"));
  odds->setShortcut(Qt::CTRL | Qt::Key_D);
  connect(odds, &QAction::triggered, this, &TForm1::OddsClick);
  addAction(odds);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TForm1::WireOpponent() {
  const std::array<ChoiceList, 4> lists{ChoiceList::faction, ChoiceList::size, ChoiceList::weight,
                                        ChoiceList::experience};
  for (std::size_t k = 0; k < lists.size(); ++k)
    for (const char* word : choiceWords(lists[k])) opponentLists(ui_)[k]->addItem(word);
  for (QComboBox* list : opponentLists(ui_)) list->setCurrentIndex(-1);
  ui_.HandicapBox->setRange(kLowestHandicap, kHighestHandicap);
  ui_.HandicapBox->setValue(kEvenHandicap);
  ui_.ToleranceBox->setRange(0, kHighestTolerance);
  ui_.ToleranceBox->setValue(kFairTolerance);
  connect(ui_.OpponentBox, &QCheckBox::toggled, this, [this](bool ticked) {
    for (QWidget* control :
         {static_cast<QWidget*>(ui_.OpponentVehicle), static_cast<QWidget*>(ui_.HandicapBox),
          static_cast<QWidget*>(ui_.ToleranceBox)})
      control->setEnabled(ticked);
    for (QComboBox* list : opponentLists(ui_)) list->setEnabled(ticked);
  });
}

void TForm1::WireListing() {
  QPlainTextEdit* listing = ui_.MechBox;
  for (const RerollEntry& entry : kRerollEntries) {
    auto* reroll = new QAction(
        QString(entry.text).replace(QStringLiteral("%1"), QStringLiteral("Group")), listing);
    reroll->setShortcut(entry.key);
    connect(reroll, &QAction::triggered, this, [this, kind = entry.kind] {
      RerollLine(kind, ui_.MechBox->textCursor().blockNumber());
    });
    listing->addAction(reroll);
  }
  listing->installEventFilter(this);
  listing->viewport()->installEventFilter(this);
  auto* menuKey = new QShortcut(Qt::SHIFT | Qt::Key_F10, listing, nullptr, nullptr,
                                Qt::WidgetWithChildrenShortcut);
  connect(menuKey, &QShortcut::activated, this, [this] {
    QPlainTextEdit* box = ui_.MechBox;
    const QPoint where = box->viewport()->mapToGlobal(box->cursorRect().center());
    OpenListingMenu(box->textCursor().blockNumber(), where);
  });
  connect(new QShortcut(Qt::CTRL | Qt::Key_Z, this), &QShortcut::activated, listing,
          &QPlainTextEdit::undo);
  QTextDocument* document = listing->document();
  connect(document, &QTextDocument::contentsChanged, this, &TForm1::ShowSeed);
  // An edit after undoing re-rolls drops them from redo: their steps go with them.
  connect(document, &QTextDocument::redoAvailable, this, [this, document](bool available) {
    if (!available) model_.dropUndone(document->availableUndoSteps());
  });
}

TForm1::~TForm1() = default;

void TForm1::Start(const std::optional<std::filesystem::path>& tables) {
  const KeptFiles kept = keptFiles();
  KeptFiles asked = kept;
  if (tables) {
    asked.keep(kTableFile, std::nullopt);
    asked.keep(kMadeTablesBase, std::nullopt);
  }
  const StartingFiles start = startingFiles(asked);
  kept_ = start.notice.empty() ? kept : KeptFiles();
  const KeptFiles& used = start.files;
  static_cast<void>(model_.chooseDesignList(used.file(kDesignList)));
  if (const auto skills = used.file(kSkillTable)) {
    try {
      static_cast<void>(model_.chooseSkillTable(*skills));
    } catch (const SkillTableError& error) {
      showError(this, QString::fromStdString(refusedSkillTableText(*skills)),
                QString::fromUtf8(error.what()).split(u'\n'));
    }
  }
  const std::optional<std::filesystem::path> collection = used.file(kCollection);
  collectionFile_ = collection ? QFile::decodeName(collection->string().c_str()) : QString();
  RememberCollectionChoice();
  try {
    if (tables) {
      UseTableFile(*tables);
    } else if (const auto made = used.file(kMadeTables)) {
      UseMadeTables(*made, used.file(kMadeTablesBase));
    } else if (const auto chosen = used.file(kTableFile)) {
      UseTableFile(*chosen);
    } else {
      UseTableFile(locateTableFile());
    }
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
  }
  if (!start.notice.empty()) showNotice(this, QString::fromStdString(start.notice));
}

bool TForm1::UseTableFile(const std::filesystem::path& path,
                          std::shared_ptr<const TableText> base) {
  bool used = true;
  try {
    tables_.use(path, std::move(base));
    RefreshTables();
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
    used = false;
  }
  ShowSources();
  return used;
}

void TForm1::UseMadeTables(const std::filesystem::path& made,
                           const std::optional<std::filesystem::path>& base) {
  std::shared_ptr<const TableText> baseText;
  try {
    if (base) baseText = std::make_shared<const TableText>(readTableText(*base));
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
  }
  UseTableFile(made, baseText);
}

KeptFiles TForm1::keptFiles() {
  const QSettings settings = windowSettings();
  KeptFiles kept;
  for (const auto& [kind, key] : kKeptFileKeys)
    if (const QString file = settings.value(key).toString(); !file.isEmpty())
      kept.keep(kind, pathOf(file));
  return kept;
}

void TForm1::KeepFile(FileKind kind, const std::optional<std::filesystem::path>& file) {
  kept_.keep(kind, file);
  QSettings settings = windowSettings();
  for (const auto& [kept, key] : kKeptFileKeys) {
    const std::optional<std::filesystem::path> path = kept_.file(kept);
    settings.setValue(key, path ? QFile::decodeName(path->string().c_str()) : QString());
  }
}

void TForm1::ShowTableProblem(const QString& message) {
  showError(this, message, QStringLiteral("Choose Table File…"), [this] { ChooseTableFile(); });
}

void TForm1::RefreshTables() {
  const TableText& tables = tables_.refresh();
  if (!tables_.takeFresh()) return;
  model_.useTables(tables, nullptr, tables_.base());
  ShowSources();
}

void TForm1::ShowSources() {
  const std::shared_ptr<const TableText> tables = model_.tables();
  const SourcesWords words = sourcesWords(
      tables ? std::optional(tables->name) : std::nullopt,
      {model_.designListFile(), model_.chosenDesignList().has_value(), model_.designs() != nullptr},
      {model_.skillTableFile(), model_.chosenSkillTable().has_value(), model_.skills() != nullptr});
  ui_.FilesLabel->setWholeText(QString::fromStdString(words.tables + "\n" + words.designs));
  ui_.SkillsLabel->setWholeText(QString::fromStdString(words.skills));
  for (ElidedLabel* label : {ui_.FilesLabel, ui_.SkillsLabel})
    label->setToolTip(QString::fromStdString(words.whole));
}

void TForm1::GButtonClick() {
  try {
    RefreshTables();
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
    return;
  }
  model_.setBudget(typedBudget(ui_));
  model_.setOpponent(chosenOpponent(ui_));
  ShowDrawn(model_.generate(chosenWords(ui_), ui_.SeedBox->text().toStdString()));
}

void TForm1::ToFileClick() {
  try {
    model_.files().saveLines(pathOf(ui_.FileName->text()),
                             textLines(ui_.MechBox->toPlainText().toStdString()));
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}

void TForm1::SaveAsClick() {
  auto* dialog = new QFileDialog(this, QStringLiteral("Save As"),
                                 QFileInfo(ui_.FileName->text()).absoluteFilePath());
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& name) {
    ui_.FileName->setText(name);
    ToFileClick();
  });
  dialog->open();
}

void TForm1::PrintClick() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  auto* dialog = new QPrintDialog(printer_.get(), this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this, [this] {
    try {
      model_.files().refuseSave(pathOf(printer_->outputFileName()));
    } catch (const SaveError& error) {
      return showError(this, QString::fromStdString(error.what()));
    }
    // The printed sheet opens with the seed lines and ends with the totals and the balance;
    // the listing box keeps its text.
    const std::unique_ptr<QTextDocument> sheet(ui_.MechBox->document()->clone());
    if (const ForceView listed = model_.shown(); listed.force != nullptr) {
      QTextCursor(sheet.get()).insertText(seedLines(listed) + "\n\n");
      QTextCursor end(sheet.get());
      end.movePosition(QTextCursor::End);
      end.insertText(QStringLiteral("\n\n") + totalsLines(listed));
    }
    sheet->print(printer_.get());
    if (printer_->printerState() == QPrinter::Error) {
      const QString target = printer_->outputFileName().isEmpty() ? printer_->printerName()
                                                                  : printer_->outputFileName();
      showError(this, "The listing could not be printed to \"" + target + "\".");
    }
  });
  dialog->open();
}

void TForm1::ChooseTableFile() {
  auto* dialog = new QFileDialog(this, QStringLiteral("Choose Table File"),
                                 QString::fromStdString(tables_.path().string()),
                                 QStringLiteral("Table files (*.dat);;All files (*)"));
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& name) {
    if (!UseTableFile(pathOf(name))) return;
    KeepFile(kTableFile, pathOf(name));
    KeepFile(kMadeTablesBase, std::nullopt);
  });
  dialog->open();
}

void TForm1::ChooseDesignList() {
  const std::optional<std::filesystem::path>& inUse = model_.designListFile();
  auto* dialog = new QFileDialog(
      this, QStringLiteral("Choose Design List"),
      QString::fromStdString(inUse ? inUse->string() : tables_.path().parent_path().string()),
      QStringLiteral("Design lists (*.csv);;All files (*)"));
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, &TForm1::UseDesignList);
  dialog->open();
}

void TForm1::UseDesignList(const QString& file) {
  const std::optional<std::filesystem::path> chosen =
      file.isEmpty() ? std::nullopt : std::optional(pathOf(file));
  try {
    RefreshTables();
    const DesignListRead read = model_.chooseDesignList(chosen);
    KeepFile(kDesignList, chosen);
    // The totals of the force shown follow the list at once.
    ShowSources();
    ShowSeed();
    const QStringList retotalled = linesOf(model_.retotalled().notices);
    if (!chosen) {
      if (!retotalled.isEmpty()) showNotice(this, retotalled.join(u'\n'));
      return;
    }
    const TableText& tables = *model_.tables();
    const DesignListMatch match = designListMatch(
        read.list, slotDesignNames(tables.bytes, tables.name.string()), *chosen, tables.name);
    const QString told =
        (QStringList(QString::fromStdString(match.text)) + linesOf(read.notices) + retotalled)
            .join(u'\n');
    if (!match.layOutHelps) return showNotice(this, told, linesOf(read.warnings));
    showNotice(this, told, linesOf(read.warnings), QStringLiteral("Tables From My List…"),
               [this] { MadeTablesClick(); });
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
  } catch (const DesignListError& error) {
    showError(this, QString::fromStdString(refusedDesignListText(pathOf(file))),
              QString::fromUtf8(error.what()).split(u'\n'));
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}

void TForm1::ChooseSkillTable() {
  const std::optional<std::filesystem::path> inUse = model_.skillTableFile();
  auto* dialog = new QFileDialog(
      this, QStringLiteral("Choose Skill Table"),
      QString::fromStdString(inUse ? inUse->string() : tables_.path().parent_path().string()),
      QStringLiteral("Skill tables (*.csv);;All files (*)"));
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, &TForm1::UseSkillTable);
  dialog->open();
}

void TForm1::UseSkillTable(const QString& file) {
  const std::optional<std::filesystem::path> chosen =
      file.isEmpty() ? std::nullopt : std::optional(pathOf(file));
  try {
    RefreshTables();
    const SkillTableRead read = model_.chooseSkillTable(chosen);
    KeepFile(kSkillTable, chosen);
    ShowSources();
    ShowSeed();
    const QStringList retotalled = linesOf(model_.retotalled().notices);
    if (!read.warnings.empty())
      showNotice(this,
                 (QStringList(QString::fromStdString(chosenSkillTableText(*chosen))) + retotalled)
                     .join(u'\n'),
                 linesOf(read.warnings));
    else if (!retotalled.isEmpty())
      showNotice(this, retotalled.join(u'\n'));
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
  } catch (const SkillTableError& error) {
    showError(this, QString::fromStdString(refusedSkillTableText(pathOf(file))),
              QString::fromUtf8(error.what()).split(u'\n'));
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}

void TForm1::MadeTablesClick() {
  try {
    RefreshTables();
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
    return;
  }
  const std::optional<std::filesystem::path> list = model_.designListFile();
  if (!list) return showError(this, QString::fromStdString(noDesignListToLayOutText()));
  const std::shared_ptr<const TableText> base = model_.tablesBase();
  MadeTables made = layOutTables(*list, base->bytes, base->name.string());
  if (!made.made())
    return showError(this, QString::fromStdString(notLaidOutText(list->string())),
                     linesOf(made.problems));
  auto* dialog = new MadeTablesDialog(
      model_.files(), std::move(made), base,
      [this](const std::filesystem::path& path, std::shared_ptr<const TableText> laidOver) {
        if (!UseTableFile(path, laidOver)) return;
        KeepFile(kMadeTables, path);
        KeepFile(kMadeTablesBase, laidOver->name);
      },
      this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
}

void TForm1::OddsClick() {
  try {
    tables_.refresh();
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
    return;
  }
  openOddsDialog(this, model_.files(), tables_.path(), chosenWords(ui_), typedBudget(ui_),
                 model_.designs(), model_.skills());
}

void TForm1::CollectionClick() {
  try {
    const TableText& tables = tables_.refresh();
    openCollectionDialog(this, model_.files(), tables.bytes, tables.name, collectionFile_,
                         [this](const QString& path) {
                           collectionFile_ = path;
                           RememberCollectionChoice();
                         });
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
  }
}

void TForm1::RememberCollectionChoice() {
  if (collectionFile_.isEmpty()) {
    model_.forgetCollection();
  } else {
    model_.holdCollectionFile(pathOf(collectionFile_));
  }
  model_.setCollectionChoice(ui_.OwnedBox->isChecked(), ui_.UniqueBox->isChecked());
  KeepFile(kCollection,
           collectionFile_.isEmpty() ? std::nullopt : std::optional(pathOf(collectionFile_)));
  QSettings settings = windowSettings();
  settings.setValue(QStringLiteral("collection/draw"), ui_.OwnedBox->isChecked());
  settings.setValue(QStringLiteral("collection/unique"), ui_.UniqueBox->isChecked());
}

void TForm1::RerollLine(RerollKind kind, int line) {
  const std::optional<ListedLine> listed = listedLine(model_.shown(), line);
  if (!listed || rerollRequest(*listed->force, kind, listed->at).empty()) return;
  if (!ListingEdited()) return ApplyReroll(kind, line);
  askFirst(this,
           QStringLiteral("The listing has been edited. Roll again and replace it? Ctrl+Z brings "
                          "the edited listing back."),
           [this, kind, line] { ApplyReroll(kind, line); });
}

void TForm1::ApplyReroll(RerollKind kind, int line) {
  const std::optional<ListedLine> listed = listedLine(model_.shown(), line);
  if (!listed) return;
  const Force before = *listed->force;
  const ForceView view = model_.reroll(kind, listed->at, listed->side);
  if (!view.drew()) return ShowFailure(view);
  const Force& after = listed->side == Side::b ? *view.opponent : *view.force;
  QPlainTextEdit* box = ui_.MechBox;
  QTextCursor cursor(box->document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(QString::fromStdString(view.shownListing));
  cursor.endEditBlock();
  model_.placeStep(box->document()->availableUndoSteps());
  box->setTextCursor(QTextCursor(box->document()->findBlockByNumber(line)));
  ShowSeed();
  RememberListed();
  if (rerollKeptAll(before, after, kind, listed->at))
    showNotice(this, QString::fromStdString(rerollOutcome(before, after, kind, listed->at)));
}

void TForm1::DrawRecent(int index) {
  const RecentForce recent = recent_.at(index);
  const auto draw = [this, recent] {
    try {
      RefreshTables();
    } catch (const TableError& error) {
      ShowTableProblem(QString::fromStdString(error.what()));
      return;
    }
    const ForceView view = model_.redraw(recent);
    if (!view.drew()) return ShowFailure(view);
    choose(ui_.HouseBox, recent.choices.house);
    choose(ui_.SizeBox, recent.choices.size);
    choose(ui_.WeightBox, recent.choices.weight);
    choose(ui_.ExperienceBox, recent.choices.experience);
    ui_.Vehicle->setChecked(recent.choices.withVehicles);
    ui_.OwnedBox->setChecked(view.drawFromCollection);
    ui_.UniqueBox->setChecked(view.eachDesignOnce);
    showBudget(ui_, view.budget);
    showOpponent(ui_, recent.opponent);
    ShowDrawn(view);
  };
  if (!ListingEdited()) return draw();
  askFirst(this, QStringLiteral("The listing has been edited. Draw the recent force in its place?"),
           draw);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ContextMenu) return QWidget::eventFilter(watched, event);
  const auto* request = static_cast<QContextMenuEvent*>(event);
  QPlainTextEdit* box = ui_.MechBox;
  const QTextCursor line =
      watched == box->viewport() ? box->cursorForPosition(request->pos()) : box->textCursor();
  OpenListingMenu(line.blockNumber(), request->globalPos());
  return true;
}

bool TForm1::ListingEdited() const {
  const ForceView listed = model_.shown();
  return listed.force != nullptr &&
         ui_.MechBox->toPlainText() != QString::fromStdString(listed.shownListing);
}

void TForm1::ShowFailure(const ForceView& view) {
  const QString message = QString::fromStdString(view.error);
  if (view.tablesFailed) return ShowTableProblem(message);
  showError(this, message);
}

void TForm1::ShowDrawn(const ForceView& view) {
  if (!view.drew()) return ShowFailure(view);
  ui_.MechBox->setPlainText(QString::fromStdString(view.shownListing));
  ui_.MechBox->updateGeometry();
  ShowSeed();
  RememberListed();
  // The table file's findings: the first line says what they are, the others are listed.
  QStringList notices = linesOf(view.notices);
  QStringList findings = linesOf(view.tableFindings);
  if (!findings.isEmpty()) notices << findings.takeFirst();
  if (!notices.isEmpty()) showNotice(this, notices.join(QStringLiteral("\n\n")), findings);
}

void TForm1::ShowSeed() {
  const ForceView listed = model_.undoTo(ui_.MechBox->document()->availableUndoSteps());
  if (listed.force == nullptr) return;
  ui_.SeedLabel->setWholeText(seedLines(listed));
  ui_.TotalsLabel->setWholeText(totalsLines(listed));
}

void TForm1::ShowSeedBoxNotice() {
  if (seedBoxTip_.isNull()) seedBoxTip_ = ui_.SeedBox->toolTip();
  const QString notice = QString::fromStdString(seedBoxNotice(ui_.SeedBox->text().toStdString()));
  ui_.SeedBox->setToolTip(notice.isEmpty() ? seedBoxTip_ : notice);
  ui_.SeedBox->setAccessibleDescription(notice);
}

void TForm1::RememberListed() {
  if (const std::optional<ForceRecord> listed = model_.shownRecord()) {
    addRecentForce(recent_, *listed);
    saveRecentForces(recent_);
  }
}

void TForm1::OpenListingMenu(int line, const QPoint& where) {
  QMenu* menu = ui_.MechBox->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (const std::optional<ListedLine> listed = listedLine(model_.shown(), line)) {
    const Force& force = *listed->force;
    QAction* first = menu->actions().value(0);
    const QString group = QString::fromUtf8(groupWord(force.isClan));
    for (const RerollEntry& entry : kRerollEntries) {
      if (entry.kind == RerollKind::slot && !rerollApplies(force, entry.kind, listed->at)) continue;
      auto* reroll = new QAction(QString(entry.text).replace(QStringLiteral("%1"), group), menu);
      reroll->setShortcut(entry.key);
      reroll->setShortcutContext(Qt::WidgetShortcut);
      reroll->setEnabled(rerollApplies(force, entry.kind, listed->at));
      connect(reroll, &QAction::triggered, this,
              [this, kind = entry.kind, line] { RerollLine(kind, line); });
      menu->insertAction(first, reroll);
    }
    menu->insertSeparator(first);
  }
  menu->popup(where);
}

void TForm1::ListRecent() {
  QMenu* menu = ui_.RecentButton->menu();
  menu->clear();
  for (int index = 0; index < int(recent_.size()); ++index)
    menu->addAction(describeRecentForce(recent_[index]), this,
                    [this, index] { DrawRecent(index); });
  if (recent_.empty()) menu->addAction(QStringLiteral("No forces drawn yet"))->setEnabled(false);
}
