// SPDX-License-Identifier: MIT
#include "ui/odds_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <span>

#include "generator/choice_lists.h"
#include "odds/force_odds.h"
#include "roster/design_source.h"
#include "roster/odds_data.h"
#include "tables/table_check.h"
#include "tables/table_file.h"
#include "ui/error_box.h"

namespace {

// What a column sorts by, and the largest percentage of its part that a bar is measured by.
constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kScaleRole = Qt::UserRole + 2;

enum Column { item, source, weightClass, line, chance, percent, expected, columnCount };

// Draws a cell's percentage as a bar behind its text, the part's largest at full width.
class BarDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const double scale = index.data(kScaleRole).toDouble();
    if (scale > 0) {
      QRect bar = option.rect.adjusted(2, 3, -2, -3);
      bar.setWidth(static_cast<int>(bar.width() * index.data(kSortRole).toDouble() / scale));
      QColor colour = option.palette.color(QPalette::Highlight);
      colour.setAlpha(110);
      painter->fillRect(bar, colour);
    }
    QStyledItemDelegate::paint(painter, option, index);
  }
};

QComboBox* choiceList(std::span<const char* const> words, const std::string& chosen) {
  auto* list = new QComboBox;
  for (const char* word : words) list->addItem(QString::fromUtf8(word));
  const int at = list->findText(QString::fromStdString(std::string(randomIfEmpty(chosen))));
  list->setCurrentIndex(at >= 0 ? at : list->count() - 1);
  return list;
}

QStandardItem* cell(const QString& text, const QVariant& sortKey) {
  auto* made = new QStandardItem(text);
  made->setData(sortKey, kSortRole);
  made->setEditable(false);
  return made;
}

QStandardItem* textCell(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  return cell(shown, shown);
}

QStandardItem* numberCell(const QString& text, double value) {
  QStandardItem* made = cell(text, value);
  made->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return made;
}

QTableView* partTable(const OddsPart& part, QWidget* owner) {
  auto* model = new QStandardItemModel(0, columnCount, owner);
  const char* itemHeading = part.kind == OddsPartKind::tables || part.kind == OddsPartKind::designs
                                ? "Design"
                            : part.kind == OddsPartKind::crewSkills ? "Crew"
                                                                    : "Word";
  model->setHorizontalHeaderLabels(
      {itemHeading, "Source", "Weight class", "Line", "Chance", "Percent", "Expected"});
  model->setSortRole(kSortRole);
  double largest = 0;
  for (const OddsRow& row : part.rows) largest = std::max(largest, row.chance.value() * 100);
  bool used[columnCount] = {true, false, false, false, true, true, false};
  for (const OddsRow& row : part.rows) {
    const double share = row.chance.value() * 100;
    QStandardItem* bar = numberCell(QString::number(share, 'f', 2) + '%', share);
    bar->setData(largest, kScaleRole);
    QStandardItem* mean =
        row.expected ? numberCell(QString::fromStdString(row.expected->text()) +
                                      QString(" (%1)").arg(row.expected->value(), 0, 'f', 2),
                                  row.expected->value())
                     : cell("", 0.0);
    model->appendRow(
        {textCell(row.item), textCell(row.source), textCell(row.weightClass),
         row.line > 0 ? numberCell(QString::number(row.line), double(row.line)) : cell("", 0.0),
         numberCell(QString::fromStdString(row.chance.text()), row.chance.value()), bar, mean});
    used[source] = used[source] || !row.source.empty();
    used[weightClass] = used[weightClass] || !row.weightClass.empty();
    used[line] = used[line] || row.line > 0;
    used[expected] = used[expected] || row.expected.has_value();
  }
  auto* view = new QTableView;
  view->setModel(model);
  view->setItemDelegateForColumn(percent, new BarDelegate(view));
  view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // the report's order first
  view->setSortingEnabled(true);
  view->verticalHeader()->hide();
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->horizontalHeader()->setStretchLastSection(true);
  for (int column = 0; column < columnCount; ++column) view->setColumnHidden(column, !used[column]);
  view->resizeColumnsToContents();
  view->setColumnWidth(percent, std::max(view->columnWidth(percent), 140));
  return view;
}

// Each design's share of the slots of every force and within the band, as bars.
QTableView* sharesTable(const WithinBand& within, QWidget* owner) {
  auto* model = new QStandardItemModel(0, 3, owner);
  model->setHorizontalHeaderLabels({"Design", "Every force", "Within the band"});
  model->setSortRole(kSortRole);
  double largest = 0;
  for (const DesignShare& share : within.designs)
    largest = std::max({largest, share.share * 100, share.within * 100});
  const auto bar = [largest](double share) {
    QStandardItem* made = numberCell(QString::number(share * 100, 'f', 2) + '%', share * 100);
    made->setData(largest, kScaleRole);
    return made;
  };
  for (const DesignShare& share : within.designs)
    model->appendRow({textCell(share.design), bar(share.share), bar(share.within)});
  auto* view = new QTableView;
  view->setModel(model);
  view->setToolTip(QString::fromStdString(sharesHeading(within)));
  for (const int column : {1, 2}) view->setItemDelegateForColumn(column, new BarDelegate(view));
  view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  view->setSortingEnabled(true);
  view->verticalHeader()->hide();
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->resizeColumnsToContents();
  for (const int column : {1, 2})
    view->setColumnWidth(column, std::max(view->columnWidth(column), 140));
  return view;
}

}  // namespace

OddsDialog::OddsDialog(const FilesInUse& files, std::filesystem::path tables,
                       const Selection& choices, QWidget* parent,
                       std::shared_ptr<const DesignList> designs, BudgetText budget)
    : QDialog(parent),
      files_(files),
      tables_(std::move(tables)),
      designs_(std::move(designs)),
      budget_(std::move(budget)) {
  setWindowTitle(QStringLiteral("Odds"));
  faction_ = choiceList(kFactionChoices, choices.house);
  size_ = choiceList(kSizeChoices, choices.size);
  weight_ = choiceList(kWeightChoices, choices.weight);
  experience_ = choiceList(kExperienceChoices, choices.experience);
  vehicles_ = new QCheckBox(QStringLiteral("Include Vehicles"));
  vehicles_->setChecked(choices.withVehicles);
  auto* choiceRow = new QHBoxLayout;
  for (QComboBox* list : {faction_, size_, experience_, weight_}) {
    choiceRow->addWidget(list);
    connect(list, &QComboBox::currentIndexChanged, this, &OddsDialog::refresh);
  }
  choiceRow->addWidget(vehicles_);
  choiceRow->addStretch();
  connect(vehicles_, &QCheckBox::toggled, this, &OddsDialog::refresh);

  warning_ = new QLabel;
  warning_->setWordWrap(true);
  warning_->setTextFormat(Qt::PlainText);
  warning_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  numbers_ = new QLabel;
  numbers_->setObjectName(QStringLiteral("ExpectedNumbers"));
  numbers_->setWordWrap(true);
  numbers_->setTextFormat(Qt::PlainText);
  numbers_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  budgetOdds_ = new QLabel;
  budgetOdds_->setObjectName(QStringLiteral("BudgetOdds"));
  budgetOdds_->setWordWrap(true);
  budgetOdds_->setTextFormat(Qt::PlainText);
  budgetOdds_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  parts_ = new QTabWidget;
  messages_ = new QPlainTextEdit;
  messages_->setReadOnly(true);
  pages_ = new QStackedWidget;
  pages_->addWidget(parts_);
  pages_->addWidget(messages_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  copy_ = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
  saveAs_ = buttons->addButton(QStringLiteral("Save As…"), QDialogButtonBox::ActionRole);
  connect(copy_, &QPushButton::clicked, this, &OddsDialog::copyCsv);
  connect(saveAs_, &QPushButton::clicked, this, &OddsDialog::saveCsvAs);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choiceRow);
  layout->addWidget(warning_);
  layout->addWidget(pages_, 1);
  layout->addWidget(numbers_);
  layout->addWidget(budgetOdds_);
  layout->addWidget(buttons);
  resize(1040, 640);
  refresh();
}

QString OddsDialog::csv() const {
  if (!report_) return {};
  const std::string odds = oddsCsv(*report_);
  return QString::fromStdString(budgetFigures_ ? withBudgetCsv(odds, *budgetFigures_) : odds);
}

QString OddsDialog::budgetOdds() const {
  return budgetOdds_->text();
}

QString OddsDialog::warning() const {
  return warning_->text();
}

void OddsDialog::refresh() {
  report_.reset();
  budgetFigures_.reset();
  warning_->clear();
  budgetOdds_->clear();
  const std::string name = tables_.string();
  try {
    const std::string bytes = readTableFile(tables_);
    QStringList warning;
    for (const std::string& line : tableWarning(bytes, name))
      warning.append(QString::fromStdString(line));
    warning_->setText(warning.join(u'\n'));
    const Selection choices{faction_->currentText().toStdString(),
                            size_->currentText().toStdString(),
                            weight_->currentText().toStdString(),
                            experience_->currentText().toStdString(), vehicles_->isChecked()};
    report_ = computeOdds(choices, bytes, name);
    std::optional<FoundDesignList> found;
    const DesignList* list = designs_.get();
    if (list == nullptr && (found = foundDesignList(tables_))->read) list = &found->read->list;
    if (list != nullptr) report_->numbers = expectedNumbers(*report_, *list);
    budgetOdds_->setText(QString::fromStdString(budgetOddsOf(choices, bytes, name, list)));
  } catch (const std::exception& error) {
    showMessages(QString::fromStdString(error.what()));
    return;
  }
  warning_->setVisible(!warning_->text().isEmpty());
  numbers_->setText(QString::fromStdString(oddsNumbersText(*report_)));
  numbers_->setVisible(!numbers_->text().isEmpty());
  budgetOdds_->setVisible(!budgetOdds_->text().isEmpty());
  const int shown = parts_->currentIndex();
  while (parts_->count() > 0) {
    QWidget* page = parts_->widget(0);
    parts_->removeTab(0);
    delete page;
  }
  for (const OddsPart& part : report_->parts)
    parts_->addTab(partTable(part, parts_), QString::fromUtf8(partTitle(part.kind)));
  if (budgetFigures_ && !budgetFigures_->within.designs.empty())
    parts_->addTab(sharesTable(budgetFigures_->within, parts_),
                   budgetFigures_->within.exact ? QStringLiteral("Within the band")
                                                : QStringLiteral("Within the band (about)"));
  parts_->setCurrentIndex(std::clamp(shown, 0, parts_->count() - 1));
  pages_->setCurrentWidget(parts_);
  copy_->setEnabled(true);
  saveAs_->setEnabled(true);
}

std::string OddsDialog::budgetOddsOf(const Selection& choices, const std::string& bytes,
                                     const std::string& name, const DesignList* list) {
  if (budget_.empty()) return "";
  BudgetBand band;
  try {
    band = bandOf(budget_);
  } catch (const BandError& error) {
    return error.what();
  }
  if (list == nullptr) return budgetWithoutDesignsText();
  budgetFigures_ = budgetFigures(choices, bytes, name, *list, band);
  const std::string text = budgetFiguresText(*budgetFigures_, false);
  return text.substr(text.find_first_not_of('\n'));
}

void OddsDialog::showMessages(const QString& messages) {
  warning_->hide();
  numbers_->hide();
  budgetOdds_->hide();
  messages_->setPlainText(warning_->text().isEmpty() ? messages
                                                     : messages + "\n\n" + warning_->text());
  pages_->setCurrentWidget(messages_);
  copy_->setEnabled(false);
  saveAs_->setEnabled(false);
}

void OddsDialog::copyCsv() {
  QApplication::clipboard()->setText(csv());
}

void OddsDialog::saveCsvAs() {
  auto* dialog = new QFileDialog(this, QStringLiteral("Save Odds As"), QStringLiteral("odds.csv"),
                                 QStringLiteral("CSV files (*.csv);;All files (*)"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, &OddsDialog::saveCsv);
  dialog->open();
}

void OddsDialog::saveCsv(const QString& file) {
  try {
    files_.saveBytes(QFile::encodeName(file).toStdString(), csv().toStdString());
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}

void openOddsDialog(QWidget* parent, const FilesInUse& files, const std::filesystem::path& tables,
                    const Selection& choices, const BudgetText& budget,
                    std::shared_ptr<const DesignList> designs) {
  auto* dialog = new OddsDialog(files, tables, choices, parent, std::move(designs), budget);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
}
