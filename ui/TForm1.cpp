#include "ui/TForm1.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QKeySequence>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStringList>
#include <charconv>
#include <exception>
#include <optional>
#include <random>

#include "generator/generate.h"
#include "roster/listing.h"
#include "roster/roster_file.h"
#include "tables/table_error.h"
#include "ui/error_box.h"
#include "ui/odds_dialog.h"
#include "ui/window_layout.h"

TForm1* Form1 = nullptr;

namespace {

// Where the window's frame opens on the screen. A form file cannot hold a top-level
// window's position, only its size.
constexpr QPoint kFramePosition{192, 107};

apstring chosenWord(const QComboBox* list) {
  return apstring(list->currentText().toStdString().c_str());
}

std::filesystem::path pathOf(const QString& name) {
  return QFile::encodeName(name).toStdString();
}

// The seed typed in the seed box (blanks around it ignored), a fresh one while the box is
// empty, none for a text that is not a whole number from 0 to 4294967295.
std::optional<std::uint32_t> seedFrom(const QString& typed) {
  const std::string text = typed.trimmed().toStdString();
  if (text.empty()) return std::random_device{}();
  std::uint32_t seed = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seed);
  if (error != std::errc() || stop != end) return std::nullopt;
  return seed;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  ui_.setupUi(this);
  move(kFramePosition);
  WindowParts parts;
  parts.topRow = {ui_.HouseBox, ui_.SizeBox, ui_.ExperienceBox, ui_.WeightBox};
  parts.listing = ui_.MechBox;
  parts.column = {ui_.Vehicle,      ui_.GButton,     ui_.ToFile,  ui_.FileName,
                  ui_.SaveAsButton, ui_.PrintButton, ui_.SeedBox, ui_.SeedLabel};
  layOutWindow(this, parts);
  connect(ui_.GButton, &QPushButton::clicked, this, &TForm1::GButtonClick);
  connect(ui_.ToFile, &QPushButton::clicked, this, &TForm1::ToFileClick);
  connect(ui_.FileName, &QLineEdit::returnPressed, this, &TForm1::ToFileClick);
  connect(ui_.SaveAsButton, &QPushButton::clicked, this, &TForm1::SaveAsClick);
  connect(ui_.PrintButton, &QPushButton::clicked, this, &TForm1::PrintClick);
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
  auto* odds = new QAction(QStringLiteral("Odds…"), this);
  odds->setShortcut(Qt::CTRL | Qt::Key_D);
  connect(odds, &QAction::triggered, this, &TForm1::OddsClick);
  addAction(odds);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

TForm1::~TForm1() = default;

void TForm1::UseTableFile(const std::filesystem::path& path) {
  try {
    tables_.use(path);
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
  }
}

void TForm1::ShowTableProblem(const QString& message) {
  showError(this, message, QStringLiteral("Choose Table File…"), [this] { ChooseTableFile(); });
}

void TForm1::GButtonClick() {
  const std::optional<std::uint32_t> seed = seedFrom(ui_.SeedBox->text());
  if (!seed) {
    showError(this, "The seed is a whole number from 0 to 4294967295; \"" + ui_.SeedBox->text() +
                        "\" is not one.");
    return;
  }
  const Selection selection{chosenWord(ui_.HouseBox), chosenWord(ui_.SizeBox),
                            chosenWord(ui_.WeightBox), chosenWord(ui_.ExperienceBox),
                            ui_.Vehicle->isChecked()};
  QStringList lines;
  try {
    const Force force = generateForce(tables_.refresh(), selection, *seed);
    for (const apstring& line : listForce(force))
      lines.append(QString::fromStdString(line.c_str()));
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
    return;
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
    return;
  }
  ui_.MechBox->setPlainText(lines.join(u'\n'));
  ui_.MechBox->updateGeometry();
  ui_.SeedLabel->setText(QStringLiteral("Seed: %1").arg(*seed));
}

void TForm1::ToFileClick() {
  try {
    const std::string fileName = pathOf(ui_.FileName->text());
    refuseTableFile(fileName, tables_.path());
    saveLines(fileName, textLines(ui_.MechBox->toPlainText().toStdString()));
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
    ui_.MechBox->print(printer_.get());
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
  connect(dialog, &QFileDialog::fileSelected, this,
          [this](const QString& name) { UseTableFile(pathOf(name)); });
  dialog->open();
}

void TForm1::OddsClick() {
  try {
    tables_.refresh();
  } catch (const TableError& error) {
    ShowTableProblem(QString::fromStdString(error.what()));
    return;
  }
  openOddsDialog(this, tables_.path(),
                 {chosenWord(ui_.HouseBox).c_str(), chosenWord(ui_.SizeBox).c_str(),
                  chosenWord(ui_.WeightBox).c_str(), chosenWord(ui_.ExperienceBox).c_str(),
                  ui_.Vehicle->isChecked()});
}
