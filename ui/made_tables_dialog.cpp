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

#include "roster/made_tables_data.h"
#include "roster/roster_file.h"
#include "ui/error_box.h"

MadeTablesDialog::MadeTablesDialog(const FilesInUse& files, MadeTables made,
                                   std::shared_ptr<const TableText> base, UseMade use,
                                   QWidget* parent)
    : QDialog(parent),
      files_(files),
      made_(std::move(made)),
      base_(std::move(base)),
      use_(std::move(use)) {
  setWindowTitle(QStringLiteral("Tables From My List"));
  report_ = new QPlainTextEdit(this);
  report_->setReadOnly(true);
  report_->setLineWrapMode(QPlainTextEdit::NoWrap);
  report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  report_->setAccessibleName(QStringLiteral("Report"));
  std::string shown;
  for (const std::vector<std::string>* told : {&made_.notices, &made_.warnings})
    for (const std::string& line : *told) shown += line + "\n";
  report_->setPlainText(
      QString::fromStdString((shown.empty() ? "" : shown + "\n") + madeTablesText(made_.report)));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* useButton = buttons->addButton(QStringLiteral("Use"), QDialogButtonBox::AcceptRole);
  QPushButton* saveAs =
      buttons->addButton(QStringLiteral("Save As…"), QDialogButtonBox::ActionRole);
  connect(useButton, &QPushButton::clicked, this, &MadeTablesDialog::useMade);
  connect(saveAs, &QPushButton::clicked, this, &MadeTablesDialog::saveMadeAs);
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
        QFile::encodeName(QDir(folder).filePath(QString::fromStdString(made_.fileName)))
            .toStdString();
    files_.saveBytes(made.string(), made_.making.bytes, kMadeTables);
    use_(made, base_);
    accept();
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}

void MadeTablesDialog::saveMadeAs() {
  auto* dialog = new QFileDialog(this, QStringLiteral("Save Tables As"),
                                 QString::fromStdString(made_.fileName),
                                 QStringLiteral("Table files (*.dat);;All files (*)"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, &MadeTablesDialog::saveMade);
  dialog->open();
}

void MadeTablesDialog::saveMade(const QString& file) {
  try {
    files_.saveBytes(QFile::encodeName(file).toStdString(), made_.making.bytes);
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}
