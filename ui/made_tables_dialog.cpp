// SPDX-License-Identifier: MIT
#include "ui/made_tables_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <exception>

#include "generator/layout_columns.h"
#include "roster/made_tables_data.h"
#include "roster/roster_file.h"
#include "tables/table_file.h"
#include "ui/error_box.h"

namespace {

// The table file laid out from `list` over `tables` and its report, or the problems as text.
std::string layOut(const std::filesystem::path& tables, const std::filesystem::path& list,
                   std::string& bytes) {
  try {
    const DesignListRead read = readDesignListFile(list, {}, UnknownNames::quiet);
    const std::vector<ListedDesign> designs = layoutDesigns(read.list, list.string());
    const TableMaking making =
        makeTableFile(readTableFile(tables), tables.string(), designs, list.string());
    std::string problems;
    for (const std::string& problem : making.problems) problems += problem + "\n";
    if (!problems.empty()) return problems + "The tables were not laid out.";
    bytes = making.bytes;
    return madeTablesText(making, list.string(), tables.string());
  } catch (const std::exception& error) {
    return std::string(error.what()) + "\nThe tables were not laid out.";
  }
}

}  // namespace

MadeTablesDialog::MadeTablesDialog(const FilesInUse& files, std::filesystem::path tables,
                                   std::filesystem::path list,
                                   std::function<void(const std::filesystem::path&)> use,
                                   QWidget* parent)
    : QDialog(parent),
      files_(files),
      tables_(std::move(tables)),
      list_(std::move(list)),
      use_(std::move(use)) {
  setWindowTitle(QStringLiteral("Tables From My List"));
  report_ = new QPlainTextEdit(this);
  report_->setReadOnly(true);
  report_->setLineWrapMode(QPlainTextEdit::NoWrap);
  report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  report_->setAccessibleName(QStringLiteral("Report"));
  report_->setPlainText(QString::fromStdString(layOut(tables_, list_, bytes_)));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  useButton_ = buttons->addButton(QStringLiteral("Use"), QDialogButtonBox::AcceptRole);
  saveAs_ = buttons->addButton(QStringLiteral("Save As…"), QDialogButtonBox::ActionRole);
  useButton_->setEnabled(!bytes_.empty());
  saveAs_->setEnabled(!bytes_.empty());
  connect(useButton_, &QPushButton::clicked, this, &MadeTablesDialog::useMade);
  connect(saveAs_, &QPushButton::clicked, this, &MadeTablesDialog::saveMadeAs);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(report_);
  layout->addWidget(buttons);
  resize(720, 480);
}

QString MadeTablesDialog::report() const {
  return report_->toPlainText();
}

void MadeTablesDialog::useMade() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  try {
    if (!QDir().mkpath(folder))
      throw SaveError("The folder " + folder.toStdString() +
                      " cannot be made for the tables laid out.");
    const std::filesystem::path made =
        QFile::encodeName(
            QDir(folder).filePath(QString::fromStdString(list_.stem().string()) + " tables.dat"))
            .toStdString();
    files_.saveBytes(made.string(), bytes_);
    use_(made);
    accept();
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}

void MadeTablesDialog::saveMadeAs() {
  auto* dialog =
      new QFileDialog(this, QStringLiteral("Save Tables As"), QStringLiteral("Tables.dat"),
                      QStringLiteral("Table files (*.dat);;All files (*)"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, &MadeTablesDialog::saveMade);
  dialog->open();
}

void MadeTablesDialog::saveMade(const QString& file) {
  try {
    files_.saveBytes(QFile::encodeName(file).toStdString(), bytes_);
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}
