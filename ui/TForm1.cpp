#include "ui/TForm1.h"

#include <QFile>
#include <QKeySequence>
#include <QShortcut>
#include <QStringList>
#include <exception>
#include <random>

#include "generator/generate.h"
#include "ui/error_box.h"
#include "ui/listing.h"
#include "ui/roster_file.h"
#include "ui/window_layout.h"

TForm1* Form1 = nullptr;

namespace {

// Where the window's frame opens on the screen. A form file cannot hold a top-level
// window's position, only its size.
constexpr QPoint kFramePosition{192, 107};

apstring chosenWord(const QComboBox* list) {
  return apstring(list->currentText().toStdString().c_str());
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setupUi(this);
  move(kFramePosition);
  layOutWindow(this, {
                         {HouseBox, SizeBox, ExperienceBox, WeightBox},
                         MechBox,
                         {Vehicle,  GButton, ToFile,        FileName }
  });
  connect(GButton, &QPushButton::clicked, this, &TForm1::GButtonClick);
  connect(ToFile, &QPushButton::clicked, this, &TForm1::ToFileClick);
  connect(FileName, &QLineEdit::returnPressed, this, &TForm1::ToFileClick);
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_R), QKeySequence(Qt::Key_F5)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &TForm1::GButtonClick);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
          &TForm1::ToFileClick);
}

void TForm1::GButtonClick() {
  const Selection selection{chosenWord(HouseBox), chosenWord(SizeBox), chosenWord(WeightBox),
                            chosenWord(ExperienceBox), Vehicle->isChecked()};
  QStringList lines;
  try {
    generateForce(selection, std::random_device{}());
    for (const apstring& line : listForce()) lines.append(QString::fromStdString(line.c_str()));
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
    return;
  }
  MechBox->setPlainText(lines.join(u'\n'));
  MechBox->updateGeometry();
}

void TForm1::ToFileClick() {
  try {
    saveLines(QFile::encodeName(FileName->text()).toStdString(),
              textLines(MechBox->toPlainText().toStdString()));
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}
