// SPDX-License-Identifier: MIT
#include "ui/collection_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>
#include <map>

#include "tables/table_names.h"
#include "ui/error_box.h"

namespace {

enum Column { kDesign, kTables, kCopies };

const QString kFileTypes = QStringLiteral("Collection files (*.txt);;All files (*)");

std::filesystem::path pathOf(const QString& name) {
  return QFile::encodeName(name).toStdString();
}

QSpinBox* copiesBox(const QTableWidget* rows, int row) {
  return static_cast<QSpinBox*>(rows->cellWidget(row, kCopies));
}

}  // namespace

CollectionDialog::CollectionDialog(std::vector<CollectionDesign> designs,
                                   std::vector<std::string> designNames, const FilesInUse& files,
                                   const QString& file, QWidget* parent)
    : QDialog(parent),
      designs_(std::move(designs)),
      designNames_(std::move(designNames)),
      files_(files) {
  setWindowTitle(QStringLiteral("Collection"));
  filter_ = new QLineEdit(this);
  filter_->setObjectName(QStringLiteral("CollectionFilter"));
  filter_->setPlaceholderText(QStringLiteral("Filter by design or table"));
  filter_->setAccessibleName(QStringLiteral("Filter"));
  filter_->setClearButtonEnabled(true);
  rows_ = new QTableWidget(int(designs_.size()), 3, this);
  rows_->setObjectName(QStringLiteral("CollectionDesigns"));
  rows_->setHorizontalHeaderLabels(
      {QStringLiteral("Design"), QStringLiteral("Tables"), QStringLiteral("Copies")});
  rows_->verticalHeader()->hide();
  rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  rows_->setSelectionMode(QAbstractItemView::NoSelection);
  for (int row = 0; row < int(designs_.size()); ++row) {
    const CollectionDesign& design = designs_[row];
    QStringList tables;
    for (const std::string& table : design.tables) tables << QString::fromStdString(table);
    rows_->setItem(row, kDesign, new QTableWidgetItem(QString::fromStdString(design.name)));
    rows_->setItem(row, kTables, new QTableWidgetItem(tables.join(QStringLiteral(", "))));
    auto* copies = new QSpinBox(rows_);
    copies->setRange(0, kMostCopies);
    copies->setAccessibleName(QString::fromStdString(design.name) + QStringLiteral(" copies"));
    connect(copies, &QSpinBox::valueChanged, this, &CollectionDialog::showTotals);
    rows_->setCellWidget(row, kCopies, copies);
  }
  rows_->horizontalHeader()->setSectionResizeMode(kTables, QHeaderView::Stretch);
  rows_->resizeColumnToContents(kDesign);
  keptLabel_ = new QLabel(this);
  keptLabel_->setObjectName(QStringLiteral("KeptNames"));
  keptLabel_->setWordWrap(true);
  keptLabel_->hide();
  totals_ = new QLabel(this);
  totals_->setObjectName(QStringLiteral("CollectionTotals"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* open = buttons->addButton(QStringLiteral("Open…"), QDialogButtonBox::ActionRole);
  QPushButton* save = buttons->addButton(QDialogButtonBox::Save);
  QPushButton* saveAs =
      buttons->addButton(QStringLiteral("Save As…"), QDialogButtonBox::ActionRole);
  saveAs->setObjectName(QStringLiteral("CollectionSaveAs"));
  connect(open, &QPushButton::clicked, this, &CollectionDialog::openAsked);
  connect(save, &QPushButton::clicked, this, [this] {
    if (file_.isEmpty()) return saveAsAsked();
    saveFile(file_);
  });
  connect(saveAs, &QPushButton::clicked, this, &CollectionDialog::saveAsAsked);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(filter_, &QLineEdit::textChanged, this, &CollectionDialog::applyFilter);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(filter_);
  layout->addWidget(rows_, 1);
  layout->addWidget(keptLabel_);
  layout->addWidget(totals_);
  layout->addWidget(buttons);
  resize(560, 520);
  showTotals();
  if (!file.isEmpty()) openFile(file);
}

bool CollectionDialog::openFile(const QString& path) {
  CollectionRead read;
  try {
    read = readCollectionFile(pathOf(path), designNames_);
  } catch (const std::exception& error) {
    showError(this, QStringLiteral("The collection was not opened; nothing changed.\n") +
                        QString::fromStdString(error.what()));
    return false;
  }
  std::map<std::string, int> copies;
  for (const CollectionEntry& entry : read.entries) copies[foldedName(entry.name)] = entry.count;
  kept_.clear();
  for (int row = 0; row < int(designs_.size()); ++row) {
    const auto owned = copies.find(foldedName(designs_[row].name));
    copiesBox(rows_, row)->setValue(owned == copies.end() ? 0 : owned->second);
    if (owned != copies.end()) copies.erase(owned);
  }
  for (const CollectionEntry& entry : read.entries)
    if (copies.contains(foldedName(entry.name))) kept_.push_back(entry);
  file_ = path;
  showTotals();
  Q_EMIT collectionChosen(path);
  return true;
}

bool CollectionDialog::saveFile(const QString& path) {
  std::vector<CollectionEntry> entries;
  for (int row = 0; row < int(designs_.size()); ++row)
    entries.push_back({designs_[row].name, copiesBox(rows_, row)->value(), true});
  entries.insert(entries.end(), kept_.begin(), kept_.end());
  const std::string text = collectionText(entries);
  if (text.empty()) {
    showError(this, QStringLiteral("Nothing was saved: the collection owns no copy. Give at "
                                   "least one design a count."));
    return false;
  }
  try {
    files_.saveBytes(pathOf(path).string(), text, kCollection);
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
    return false;
  }
  file_ = path;
  showTotals();
  Q_EMIT collectionChosen(path);
  return true;
}

bool CollectionDialog::setCopies(const QString& name, int copies) {
  const std::string folded = foldedName(name.toStdString());
  for (int row = 0; row < int(designs_.size()); ++row)
    if (foldedName(designs_[row].name) == folded) {
      copiesBox(rows_, row)->setValue(copies);
      return true;
    }
  return false;
}

void CollectionDialog::applyFilter(const QString& text) {
  for (int row = 0; row < rows_->rowCount(); ++row)
    rows_->setRowHidden(row,
                        !rows_->item(row, kDesign)->text().contains(text, Qt::CaseInsensitive) &&
                            !rows_->item(row, kTables)->text().contains(text, Qt::CaseInsensitive));
}

void CollectionDialog::showTotals() {
  int designs = 0;
  int copies = 0;
  for (int row = 0; row < rows_->rowCount(); ++row) {
    const int owned = copiesBox(rows_, row)->value();
    designs += owned > 0 ? 1 : 0;
    copies += owned;
  }
  const QString where =
      file_.isEmpty() ? QStringLiteral("not saved yet") : QFileInfo(file_).fileName();
  totals_->setText(
      QStringLiteral("%1 designs, %2 copies · %3").arg(designs).arg(copies).arg(where));
  QStringList kept;
  for (const CollectionEntry& entry : kept_)
    kept << QStringLiteral("%1 %2").arg(entry.count).arg(QString::fromStdString(entry.name));
  keptLabel_->setText(QStringLiteral("Kept from the file, in no table of this table file: ") +
                      kept.join(QStringLiteral(", ")));
  keptLabel_->setVisible(!kept_.empty());
}

void CollectionDialog::openAsked() {
  auto* dialog = new QFileDialog(this, QStringLiteral("Open Collection"),
                                 QFileInfo(file_).absolutePath(), kFileTypes);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, &CollectionDialog::openFile);
  dialog->open();
}

void CollectionDialog::saveAsAsked() {
  auto* dialog =
      new QFileDialog(this, QStringLiteral("Save Collection As"),
                      file_.isEmpty() ? QStringLiteral("collection.txt") : file_, kFileTypes);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, &CollectionDialog::saveFile);
  dialog->open();
}

void openCollectionDialog(QWidget* parent, const FilesInUse& files, const std::string& tableBytes,
                          const std::filesystem::path& tableFile, const QString& file,
                          const std::function<void(const QString&)>& chosen) {
  const std::string tableName = tableFile.filename().string();
  std::vector<CollectionDesign> designs;
  std::vector<std::string> names;
  try {
    designs = collectionDesigns(tableBytes, tableName);
    names = tableDesignNames(tableBytes, tableName);
  } catch (const std::exception& error) {
    showError(parent, QString::fromStdString(error.what()));
    return;
  }
  auto* dialog =
      new CollectionDialog(std::move(designs), std::move(names), files, QString(), parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog, &CollectionDialog::collectionChosen, parent, chosen);
  if (!file.isEmpty()) dialog->openFile(file);
  dialog->show();
}
